#include "app/help_links.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

TEST(HelpLinks, FileOfEachPairFollowsThePolishChoice) {
  EXPECT_EQ(HelpLinkFileName(HelpLinkPair::Videos, true), "link_YoutubePL.txt");
  EXPECT_EQ(HelpLinkFileName(HelpLinkPair::Videos, false), "link_YoutubeEN.txt");
  EXPECT_EQ(HelpLinkFileName(HelpLinkPair::Knowledge, true), "link_wiedza.txt");
  EXPECT_EQ(HelpLinkFileName(HelpLinkPair::Knowledge, false), "link_wiedzaen.txt");
}

TEST(HelpLinks, ThreeLineFileGivesLinesOneToThreeAndEmptyBeyond) {
  const std::string file = "https://a.example/1\r\nhttps://a.example/2\r\nhttps://a.example/3\r\n";
  EXPECT_EQ(HelpLinkLine(file, 1), "https://a.example/1");
  EXPECT_EQ(HelpLinkLine(file, 2), "https://a.example/2");
  EXPECT_EQ(HelpLinkLine(file, 3), "https://a.example/3");
  EXPECT_EQ(HelpLinkLine(file, 4), "");
  EXPECT_EQ(HelpLinkLine(file, 5), "");
}

TEST(HelpLinks, LineEndsAndOddInput) {
  EXPECT_EQ(HelpLinkLine("one\ntwo", 2), "two");  // last line without a line end
  EXPECT_EQ(HelpLinkLine("one\n\nthree\n", 2), "");
  EXPECT_EQ(HelpLinkLine("one\n\nthree\n", 3), "three");
  EXPECT_EQ(HelpLinkLine("", 1), "");
  EXPECT_EQ(HelpLinkLine("one", 0), "");
  EXPECT_EQ(HelpLinkLine("one", -3), "");
}

TEST(HelpLinks, UrlJoinsBaseAndNameWithOneSlash) {
  EXPECT_EQ(HelpLinkUrl("http://127.0.0.1:8080/Linki", "link_wiedza.txt"),
            "http://127.0.0.1:8080/Linki/link_wiedza.txt");
  EXPECT_EQ(HelpLinkUrl("http://h/Linki/", "/link_wiedza.txt"), "http://h/Linki/link_wiedza.txt");
}

}  // namespace
}  // namespace orvanta

namespace orvanta {
namespace {

TEST(Versions, ComparedPartByPartAsNumbers) {
  EXPECT_GT(CompareVersions("1.10.2", "1.9"), 0);
  EXPECT_LT(CompareVersions("0.1.0", "0.2"), 0);
  EXPECT_EQ(CompareVersions("1.2", "1.2.0"), 0);
  EXPECT_EQ(CompareVersions("", "0"), 0);
  EXPECT_LT(CompareVersions("1.x", "1.1"), 0);
}

}  // namespace
}  // namespace orvanta
