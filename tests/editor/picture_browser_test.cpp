#include <gtest/gtest.h>

#include <QDir>

#include "picture_browser.h"
#include "test_files.h"

TEST(PictureBrowser, PatternMatchesItsExtensionsInAnyCaseAndNothingElse)
{
    const std::pair<const char*, bool> cases[] = {
        {"photo.jpg", true},  {"PHOTO.JPG", true},   {"x.Bmp", true},  {"old.dib", true}, {"clip.WMF", true},
        {"icon.ico", true},   {"a.jpeg", false},     {"b.png", false}, {"bmp", false},    {"xbmp", false},
        {"x.jpg.txt", false}, {"photo.jpg~", false}, {"", false}};
    for (const auto& [name, listed] : cases)
        EXPECT_EQ(matchesPicturePattern(name), listed) << name;
}

TEST(PictureBrowser, ListsVisiblePicturesAndFoldersInNaturalOrderIgnoringCase)
{
    ScratchFolder scratch;
    for (const char* name : {"x.Bmp", "shot10.jpg", "PHOTO.JPG", "shot2.jpg", "a.jpeg", "b.png", "bmp", ".hidden.bmp"})
        writeBytes(scratch.file(name), "");
    for (const char* name : {"pic.bmp", "sub10", "Sub2", ".git"})
        ASSERT_TRUE(QDir().mkdir(QString::fromStdString(scratch.file(name))));
    const std::string& folder = scratch.path();

    EXPECT_EQ(listPictureFiles(folder), (std::vector<std::string>{"PHOTO.JPG", "shot2.jpg", "shot10.jpg", "x.Bmp"}));
    EXPECT_EQ(listSubfolders(folder), (std::vector<std::string>{"pic.bmp", "Sub2", "sub10"}));
    EXPECT_TRUE(listPictureFiles(folder + "/missing").empty());
}

TEST(PictureBrowser, PathsJoinWithOneSlashAndClimbToTheRoot)
{
    EXPECT_EQ(chosenFilePath("/home/u", "a.bmp"), "/home/u/a.bmp");
    EXPECT_EQ(chosenFilePath("/media/usb/", "X.JPG"), "/media/usb/X.JPG");
    EXPECT_EQ(chosenFilePath("/", "a.bmp"), "/a.bmp");

    const std::pair<const char*, const char*> parents[] = {
        {"/home/u/pics", "/home/u"}, {"/home/u/", "/home"}, {"/home", "/"}, {"/", "/"}};
    for (const auto& [folder, parent] : parents)
        EXPECT_EQ(parentFolder(folder), parent) << folder;
}

TEST(PictureBrowser, DrivesAreRootHomeAndRealVolumesEachOnce)
{
    // Volumes a user would pick, one named twice and one the home folder; system trees, whatever they hold; pseudo
    // file systems, wherever they are mounted.
    std::vector<MountedVolume> mounted;
    for (const char* root : {"/", "/media/usb", "/mnt/disk", "/run/media/u/stick", "/media/usb/", "/home/u"})
        mounted.push_back({root, "vfat"});
    for (const char* root : {"/proc", "/sys/fs/cgroup", "/dev", "/run/lock", "/snap/y"})
        mounted.push_back({root, "ext4"});
    for (const char* type : {"proc", "tmpfs", "overlay", "cgroup", "cgroup2", "squashfs", "devtmpfs"})
        mounted.push_back({"/data", type});
    EXPECT_EQ(pickableDrives(mounted, "/home/u"),
              (std::vector<std::string>{"/", "/home/u", "/media/usb", "/mnt/disk", "/run/media/u/stick"}));
    EXPECT_EQ(pickableDrives({}, "/"), (std::vector<std::string>{"/"}));
}

TEST(PictureBrowser, TheDriveOfAFolderIsTheDeepestThatHoldsIt)
{
    const std::vector<std::string> drives = {"/", "/home/u", "/media/usb"};
    const std::pair<const char*, const char*> cases[] = {
        {"/home/u/pics", "/home/u"},      {"/home/u", "/home/u"}, {"/home/user2", "/"},
        {"/media/usb/a/b", "/media/usb"}, {"/etc", "/"},          {"pics", ""}};
    for (const auto& [folder, drive] : cases)
        EXPECT_EQ(driveHolding(drives, folder), drive) << folder;
}
