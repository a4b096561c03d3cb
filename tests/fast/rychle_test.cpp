// The fast search against the plain one on seeded random screens of every kind.
#include "tests/fast/porovnanie.h"

#include <gtest/gtest.h>

TEST(RychleHladanie, AgreesWithThePlainSearchOnEveryKindOfScreen) {
    for (const Druh& d : kDruhy)
        for (unsigned semeno = d.semeno; semeno < d.semeno + d.pocet; semeno++) {
            g.seed(semeno);
            ASSERT_TRUE(ZhodaNaNahodnej(d)) << "seed " << semeno;
        }
}
