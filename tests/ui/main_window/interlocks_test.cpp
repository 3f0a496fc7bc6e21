// Options that exclude each other disable one another.

#include "window_test_support.h"

#include <QCheckBox>
#include <QComboBox>

#include <gtest/gtest.h>

namespace quillet::test {
namespace {

class Interlocks : public testing::Test {
protected:
    WindowHarness h;
};

TEST_F(Interlocks, GalleryDisablesGalleryFeaturedAndBack) {
    h.click("chk_gallery");
    EXPECT_TRUE(h.ticked("chk_gallery"));
    EXPECT_FALSE(h.enabled("chk_gfeatured"));
    EXPECT_FALSE(h.ticked("chk_gfeatured"));
    h.click("chk_gallery");
    EXPECT_FALSE(h.ticked("chk_gallery"));
    EXPECT_TRUE(h.enabled("chk_gfeatured"));
}

TEST_F(Interlocks, GalleryFeaturedDisablesGalleryAndBack) {
    h.click("chk_gfeatured");
    EXPECT_TRUE(h.ticked("chk_gfeatured"));
    EXPECT_FALSE(h.enabled("chk_gallery"));
    h.click("chk_gfeatured");
    EXPECT_TRUE(h.enabled("chk_gallery"));
    EXPECT_FALSE(h.ticked("chk_gallery"));
}

TEST_F(Interlocks, ADisabledPartnerCannotBeTicked) {
    h.click("chk_gallery");
    h.click("chk_gfeatured");
    EXPECT_FALSE(h.ticked("chk_gfeatured"));
}

TEST_F(Interlocks, PicturePackUnticksAndDisablesShowAndSupersize) {
    h.click("chk_pic_show");
    h.click("chk_supersize");
    ASSERT_TRUE(h.ticked("chk_pic_show"));
    ASSERT_TRUE(h.ticked("chk_supersize"));
    h.click("chk_pic_pack");
    for (const char* name : {"chk_pic_show", "chk_supersize"}) {
        EXPECT_FALSE(h.ticked(name)) << name;
        EXPECT_FALSE(h.enabled(name)) << name;
    }
    h.click("chk_pic_pack");
    for (const char* name : {"chk_pic_show", "chk_supersize"}) {
        EXPECT_FALSE(h.ticked(name)) << name << " comes back unticked";
        EXPECT_TRUE(h.enabled(name)) << name;
    }
}

TEST_F(Interlocks, ThePictureCountStaysUsable) {
    h.type("combo_num_pics", QStringLiteral("9"));
    h.click("chk_pic_pack");
    EXPECT_EQ(h.text("combo_num_pics"), QStringLiteral("9"));
    EXPECT_TRUE(h.enabled("combo_num_pics"));
    EXPECT_EQ(h.control<QComboBox>("combo_num_pics")->count(), 12);
}

TEST_F(Interlocks, KeyboardTogglingRunsThemToo) {
    h.focus("chk_gallery");
    QTest::keyClick(h.control("chk_gallery"), Qt::Key_Space);
    EXPECT_FALSE(h.enabled("chk_gfeatured"));
}

TEST_F(Interlocks, AGreyedBoxMatchesNeitherBranch) {
    // Only the program could grey a box; the pack then leaves its partners be.
    auto* pack = h.control<QCheckBox>("chk_pic_pack");
    pack->setTristate(true);
    h.click("chk_pic_show");
    pack->setCheckState(Qt::PartiallyChecked);
    EXPECT_TRUE(h.ticked("chk_pic_show"));
    EXPECT_TRUE(h.enabled("chk_pic_show"));

    h.control<QCheckBox>("chk_gallery")->setTristate(true);
    h.control<QCheckBox>("chk_gallery")->setCheckState(Qt::PartiallyChecked);
    EXPECT_TRUE(h.enabled("chk_gfeatured"));
}

} // namespace
} // namespace quillet::test
