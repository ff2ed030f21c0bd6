// Registration at load: what the catalog received, in which order, and in
// what state each tree was when it was handed over.
#include <cstdint>
#include <string>
#include <vector>

#include "package_fixture.h"

namespace {

using glossapack_test::catalog;

struct Expected {
    const char* name;
    std::uint32_t lcid;
};

// The registration order, i18n right after en_US.
const Expected expected_order[] = {
    {"af_ZA.CP1252", 0x0436},
    {"ar_AE.CP1256", 0x3801},
    {"ar_BH.CP1256", 0x3C01},
    {"ar_DZ.CP1256", 0x1401},
    {"ar_EG.CP1256", 0x0C01},
    {"ar_IQ.CP1256", 0x0801},
    {"ar_JO.CP1256", 0x2C01},
    {"ar_KW.CP1256", 0x3401},
    {"ar_LB.CP1256", 0x3001},
    {"ar_LY.CP1256", 0x1001},
    {"ar_MA.CP1256", 0x1801},
    {"ar_OM.CP1256", 0x2001},
    {"ar_QA.CP1256", 0x4001},
    {"ar_SA.CP1256", 0x0401},
    {"ar_SY.CP1256", 0x2801},
    {"ar_TN.CP1256", 0x1C01},
    {"ar_YE.CP1256", 0x2401},
    {"az_AZ.CP1254", 0x042C},
    {"be_BY.CP1251", 0x0423},
    {"bg_BG.CP1251", 0x0402},
    {"bn_IN.CP1252", 0x0445},
    {"bs_BA.CP1250", 0x141A},
    {"ca_ES.CP1252", 0x0403},
    {"cs_CZ.CP1250", 0x0405},
    {"cy_GB.CP1252", 0x0452},
    {"da_DK.CP1252", 0x0406},
    {"de_AT.CP1252", 0x0C07},
    {"de_CH.CP1252", 0x0807},
    {"de_DE.CP1252", 0x0407},
    {"de_LI.CP1252", 0x1407},
    {"de_LU.CP1252", 0x1007},
    {"el_GR.CP1253", 0x0408},
    {"en_AU.CP1252", 0x0C09},
    {"en_BZ.CP1252", 0x2809},
    {"en_CA.CP1252", 0x1009},
    {"en_GB.CP1252", 0x0809},
    {"en_IE.CP1252", 0x1809},
    {"en_JM.CP1252", 0x2009},
    {"en_NZ.CP1252", 0x1409},
    {"en_PH.CP1252", 0x3409},
    {"en_TT.CP1252", 0x2C09},
    {"en_US.CP1252", 0x0409},
    {"i18n.CP1252", 0x7918},
    {"en_VI.CP1252", 0x2409},
    {"en_ZA.CP1252", 0x1C09},
    {"en_ZW.CP1252", 0x3009},
    {"es_AR.CP1252", 0x2C0A},
    {"es_BO.CP1252", 0x400A},
    {"es_CL.CP1252", 0x340A},
    {"es_CO.CP1252", 0x240A},
    {"es_CR.CP1252", 0x140A},
    {"es_DO.CP1252", 0x1C0A},
    {"es_EC.CP1252", 0x300A},
    {"es_ES.CP1252", 0x0C0A},
    {"es_GT.CP1252", 0x100A},
    {"es_HN.CP1252", 0x480A},
    {"es_MX.CP1252", 0x080A},
    {"es_NI.CP1252", 0x4C0A},
    {"es_PA.CP1252", 0x180A},
    {"es_PE.CP1252", 0x280A},
    {"es_PR.CP1252", 0x500A},
    {"es_PY.CP1252", 0x3C0A},
    {"es_SV.CP1252", 0x440A},
    {"es_UY.CP1252", 0x380A},
    {"es_VE.CP1252", 0x200A},
    {"et_EE.CP1257", 0x0425},
    {"eu_ES.CP1252", 0x042D},
    {"fa_IR.CP1256", 0x0429},
    {"fi_FI.CP1252", 0x040B},
    {"fo_FO.CP1252", 0x0438},
    {"fr_BE.CP1252", 0x080C},
    {"fr_CA.CP1252", 0x0C0C},
    {"fr_CH.CP1252", 0x100C},
    {"fr_FR.CP1252", 0x040C},
    {"fr_LU.CP1252", 0x140C},
    {"fr_MC.CP1252", 0x180C},
    {"gl_ES.CP1252", 0x0456},
    {"gu_IN.CP1252", 0x0447},
    {"he_IL.CP1255", 0x040D},
    {"hi_IN.CP1252", 0x0439},
    {"hr_HR.CP1250", 0x041A},
    {"hu_HU.CP1250", 0x040E},
    {"hy_AM.CP1252", 0x042B},
    {"id_ID.CP1252", 0x0421},
    {"is_IS.CP1252", 0x040F},
    {"it_CH.CP1252", 0x0810},
    {"it_IT.CP1252", 0x0410},
    {"ja_JP.CP932", 0x0411},
    {"ka_GE.CP1252", 0x0437},
    {"kk_KZ.CP1251", 0x043F},
    {"kn_IN.CP1252", 0x044B},
    {"ko_KR.CP949", 0x0412},
    {"kok_IN.CP1252", 0x0457},
    {"lt_LT.CP1257", 0x0427},
    {"lv_LV.CP1257", 0x0426},
    {"mk_MK.CP1251", 0x042F},
    {"ml_IN.CP1252", 0x044C},
    {"mn_MN.CP1251", 0x0450},
    {"mr_IN.CP1252", 0x044E},
    {"ms_BN.CP1252", 0x083E},
    {"ms_MY.CP1252", 0x043E},
    {"mt_MT.CP1252", 0x043A},
    {"nb_NO.CP1252", 0x0414},
    {"nl_BE.CP1252", 0x0813},
    {"nl_NL.CP1252", 0x0413},
    {"nn_NO.CP1252", 0x0814},
    {"pa_IN.CP1252", 0x0446},
    {"pl_PL.CP1250", 0x0415},
    {"pt_BR.CP1252", 0x0416},
    {"pt_PT.CP1252", 0x0816},
    {"ro_RO.CP1250", 0x0418},
    {"ru_RU.CP1251", 0x0419},
    {"se_NO.CP1252", 0x043B},
    {"sk_SK.CP1250", 0x041B},
    {"sl_SI.CP1250", 0x0424},
    {"sq_AL.CP1250", 0x041C},
    {"sr_CS.CP1250", 0x081A},
    {"sv_FI.CP1252", 0x081D},
    {"sv_SE.CP1252", 0x041D},
    {"sw_KE.CP1252", 0x0441},
    {"syr_SY.CP1252", 0x045A},
    {"ta_IN.CP1252", 0x0449},
    {"te_IN.CP1252", 0x044A},
    {"th_TH.CP874", 0x041E},
    {"tn_ZA.CP1252", 0x0432},
    {"tr_TR.CP1254", 0x041F},
    {"uk_UA.CP1251", 0x0422},
    {"uz_UZ.CP1254", 0x0443},
    {"vi_VN.CP1258", 0x042A},
    {"xh_ZA.CP1252", 0x0434},
    {"zh_CN.CP936", 0x0804},
    {"zh_HK.CP950", 0x0C04},
    {"zh_MO.CP950", 0x1404},
    {"zh_SG.CP936", 0x1004},
    {"zh_TW.CP950", 0x0404},
    {"zu_ZA.CP1252", 0x0435},
};

class RegistrationTest : public glossapack_test::PackageTest {};

TEST_F(RegistrationTest, CatalogReceivedAll136RootsInOrder) {
    const std::vector<const vx_locale_storage*> roots = catalog().roots();
    ASSERT_EQ(roots.size(), sizeof expected_order / sizeof expected_order[0]);
    ASSERT_EQ(roots.size(), 136u);
    for (std::size_t i = 0; i < roots.size(); ++i) {
        SCOPED_TRACE(expected_order[i].name);
        EXPECT_EQ(vx_locale_catalog::name_of(*roots[i]), expected_order[i].name);
        EXPECT_EQ(roots[i]->m_Lcid, expected_order[i].lcid);
    }
}

TEST_F(RegistrationTest, EveryTreeWasCompletedBeforeItsRegistration) {
    for (const vx_locale_catalog::Registration& r : catalog().registrations()) {
        const std::string name = vx_locale_catalog::name_of(*r.root);
        SCOPED_TRACE(name);
        EXPECT_EQ(r.reserved, nullptr);
        if (name == "i18n.CP1252") {
            EXPECT_FALSE(r.has_time);
            continue;
        }
        ASSERT_TRUE(r.has_time);
        EXPECT_EQ(r.settings[0], 0);
        EXPECT_EQ(r.settings[1], 1);
        EXPECT_EQ(r.settings[2], 2);
        EXPECT_EQ(r.settings[3], 1);
    }
}

TEST_F(RegistrationTest, LoadingAgainRegistersNothingMore) {
    glossapack_test::load_package();
    EXPECT_EQ(catalog().count(), 136u);
}

TEST_F(RegistrationTest, RootsAreDistinctAndFoundByBothNameForms) {
    const std::vector<const vx_locale_storage*> roots = catalog().roots();
    for (std::size_t i = 0; i < roots.size(); ++i) {
        EXPECT_EQ(catalog().find(vx_locale_catalog::name_of(*roots[i])), roots[i]);
        EXPECT_EQ(catalog().find(vx_locale_catalog::short_name_of(*roots[i])), roots[i]);
    }
    EXPECT_EQ(catalog().find("af_za"), nullptr);
    EXPECT_EQ(catalog().find("af_ZA.CP1251"), nullptr);
    EXPECT_EQ(catalog().find(""), nullptr);
}

// The stand-in itself: it keeps what it is given and refuses what it cannot
// keep, without disturbing the package's registrations.
TEST_F(RegistrationTest, CatalogRefusesNullAndDuplicateRoots) {
    const std::size_t before = catalog().count();
    EXPECT_EQ(catalog().Register(nullptr), vx_locale_catalog::rejected_null);
    EXPECT_EQ(catalog().Register(catalog().root(0)), vx_locale_catalog::rejected_duplicate);
    EXPECT_EQ(catalog().count(), before);
    EXPECT_EQ(catalog().root(before), nullptr);
}

}  // namespace
