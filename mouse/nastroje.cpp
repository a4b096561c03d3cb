// Cursor probes and synthetic left clicks.
