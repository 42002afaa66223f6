#include "core/data_testo.h"

#include <gtest/gtest.h>

namespace strovel {
namespace {

TEST(DataTesto, FormeAccettate) {
    EXPECT_EQ(LeggiData("07/01/1939"), (Data{7, 1, 1939}));
    EXPECT_EQ(LeggiData("7/1/1939"), (Data{7, 1, 1939}));
    EXPECT_EQ(LeggiData("29-02-2024"), (Data{29, 2, 2024}));
    EXPECT_EQ(LeggiData("30.12.2025"), (Data{30, 12, 2025}));
}

TEST(DataTesto, FormeRifiutate) {
    for (const char* t :
         {"", "29/02/2023", "31/04/2020", "00/01/2020", "01/13/2020", "1/1/20", "01/01/2020 ",
          " 01/01/2020", "01/01-2020", "2020/01/01", "aa/bb/cccc", "01/01/20200", "29/02/1900"}) {
        EXPECT_FALSE(LeggiData(t).has_value()) << t;
    }
    EXPECT_FALSE(LeggiDataIso("2023-02-29").has_value());
    EXPECT_FALSE(LeggiDataIso("2023/02/01").has_value());
    EXPECT_EQ(LeggiDataIso("2000-02-29"), (Data{29, 2, 2000}));
}

TEST(DataTesto, TestiEGiorni) {
    EXPECT_EQ(TestoData({3, 1, 2023}), "03/01/2023");
    EXPECT_EQ(TestoIso({3, 1, 2023}), "2023-01-03");
    EXPECT_EQ(GiornoSettimana({30, 12, 2025}), 2); // Tuesday
    EXPECT_EQ(GiornoSettimana({7, 1, 1939}), 6);   // Saturday
    EXPECT_EQ(GiornoSettimana({1, 1, 1970}), 4);
    for (std::int64_t g = -20000; g < 30000; g += 37) {
        EXPECT_EQ(NumeroGiorno(DataDaNumeroGiorno(g)), g);
    }
}

} // namespace
} // namespace strovel

namespace strovel {
namespace {

TEST(DataTesto, NumeroDelGiornoAvantiEIndietro) {
    // Every day from 1600 to 2400, leap years and centuries included.
    Data attesa{1, 1, 1600};
    const std::int64_t primo = NumeroGiorno(attesa);
    for (std::int64_t g = primo; g < primo + 292200; ++g) {
        const Data d = DataDaNumeroGiorno(g);
        ASSERT_EQ(d, attesa) << g;
        ASSERT_EQ(NumeroGiorno(d), g);
        // The next calendar day.
        attesa.giorno += 1;
        if (!DataValida(attesa)) {
            attesa.giorno = 1;
            attesa.mese += 1;
            if (attesa.mese > 12) {
                attesa.mese = 1;
                attesa.anno += 1;
            }
        }
    }
}

TEST(DataTesto, OrdineDelCalendario) {
    // Year first, then month, then day: 31/07/1993 comes before 07/08/1993.
    EXPECT_LT((Data{31, 7, 1993}), (Data{7, 8, 1993}));
    EXPECT_LT((Data{31, 12, 1992}), (Data{1, 1, 1993}));
    EXPECT_LT((Data{1, 1, 1993}), (Data{2, 1, 1993}));
    EXPECT_EQ((Data{1, 1, 1993}), (Data{1, 1, 1993}));
}

} // namespace
} // namespace strovel
