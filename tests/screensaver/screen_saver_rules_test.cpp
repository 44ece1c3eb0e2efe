// The selection's place for a photo, the installation's photo folder and the settings folder.
#include <gtest/gtest.h>

#include "screensaver/screen_saver_rules.h"

namespace velocarta {
namespace {

TEST(ScreenSaverTarget, IsTheSameForAPhotoOfTheDiscAndItsHardDiskCopy) {
    const auto fromDisc = ScreenSaverTarget("/home/ann/vc", "/media/cdrom/vantrels/65A.JPG");
    const auto fromCopy = ScreenSaverTarget("/home/ann/vc", "/home/ann/vc/vantrels/65A.JPG");
    ASSERT_TRUE(fromDisc);
    EXPECT_EQ(*fromDisc, (ContentFile{"/home/ann/vc", "/ssvantrels/65A.JPG"}));
    EXPECT_EQ(fromCopy, fromDisc);
    // A disc mounted at a folder named like the photo folder: the name follows the last one.
    EXPECT_EQ(ScreenSaverTarget("/s", "/media/ann/vantrels/vantrels/PT002.JPG")->rel,
              "/ssvantrels/PT002.JPG");
}

TEST(ScreenSaverTarget, NothingWithoutAPhotoOnShow) {
    EXPECT_FALSE(ScreenSaverTarget("/s", ""));
    EXPECT_FALSE(ScreenSaverTarget("/s", "/media/cdrom/vantrels/"));
    EXPECT_FALSE(ScreenSaverTarget("/s", "/media/cdrom/title.jpg"));
    EXPECT_FALSE(PhotoOnShowFile(""));
    EXPECT_EQ(*PhotoOnShowFile("/media/cd/vantrels/A0A.JPG"),
              (ContentFile{"/media/cd", "/vantrels/A0A.JPG"}));
}

TEST(PhotoListButtons, ExactlyOneOfAddAndRemoveForAPhotoOnShow) {
    EXPECT_TRUE(DecidePhotoListButtons(true, false).add);
    EXPECT_FALSE(DecidePhotoListButtons(true, false).remove);
    EXPECT_FALSE(DecidePhotoListButtons(true, true).add);
    EXPECT_TRUE(DecidePhotoListButtons(true, true).remove);
    EXPECT_FALSE(DecidePhotoListButtons(false, false).add);
    EXPECT_FALSE(DecidePhotoListButtons(false, false).remove);
}

TEST(InstallFolder, FollowsTheChoiceAndTheHardDisk) {
    const auto selected = DecideInstallFolder(SaverPhotos::Selected, false, "/p");
    EXPECT_FALSE(selected.offerCopy);
    EXPECT_EQ(selected.folder, "/p/ssvantrels/");
    const auto copied = DecideInstallFolder(SaverPhotos::All, true, "/p");
    EXPECT_FALSE(copied.offerCopy);
    EXPECT_EQ(copied.folder, "/p/vantrels/");
    EXPECT_TRUE(DecideInstallFolder(SaverPhotos::All, false, "/p").offerCopy);
    EXPECT_EQ(DiscPhotoFolder("/media/cdrom"), "/media/cdrom/vantrels/");
    EXPECT_EQ(CopiedPhotoFolder("/p"), "/p/vantrels/");
}

TEST(SaverSettingsFolder, TheUsersConfigurationAsXdgNamesIt) {
    EXPECT_EQ(SaverSettingsFolder("/home/ann/conf", "/home/ann"), "/home/ann/conf/velocarta");
    EXPECT_EQ(SaverSettingsFolder("", "/home/ann"), "/home/ann/.config/velocarta");
    // A relative XDG_CONFIG_HOME is to be ignored.
    EXPECT_EQ(SaverSettingsFolder("conf", "/home/ann"), "/home/ann/.config/velocarta");
}

TEST(ScreenSaverMessages, KeepTheirBlanksAndLineBreaks) {
    const Message installed = ScreenSaverInstalledMessage();
    EXPECT_EQ(installed.title, "The Vantrel Velocarta");
    EXPECT_EQ(installed.icon, Icon::None);
    EXPECT_TRUE(installed.text.starts_with(
        "The Vantrel Velocarta Screen Saver has been installed!\r\n\r\nIf you"));
    EXPECT_NE(installed.text.find("activate \r\nthe Vantrel"), std::string::npos);
    EXPECT_TRUE(
        installed.text.ends_with("    7) Select Vantrel2000                           \r\n"
                                 "    8) Click OK                            "));
    EXPECT_EQ(RemoveAllQuestion().text,
              "Would you like to remove all photos from the Vantrel Velocarta Screen Saver list?");
    EXPECT_EQ(AllPhotosRemovedMessage().text,
              "All Photos Successfully Removed!\r\n\r\nYou must re-install The Vantrel Velocarta "
              "Screen Saver \r\nif you have previously installed it to play Selected Photos.");
    EXPECT_EQ(CopyPhotosOfferQuestion().buttons, Buttons::YesNo);
    EXPECT_TRUE(CopyPhotosOfferQuestion().text.ends_with(
        "Screen Saver.\r\n\r\nWould you like to copy the photos now?"));
    EXPECT_TRUE(PhotoListHelpMessage().text.ends_with(
        "re-install the \r\nScreen Saver and choose the Select All Photos option."));
}

}  // namespace
}  // namespace velocarta
