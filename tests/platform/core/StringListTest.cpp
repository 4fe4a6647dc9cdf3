#include <gtest/gtest.h>

#include "StringList.h"
#include "TempDir.h"
#include "TextFile.h"

namespace {

std::vector<std::string> Items(const TStringList& list) {
  std::vector<std::string> items;
  for (int i = 0; i < list.Count(); ++i) items.push_back(list.Strings(i));
  return items;
}

TEST(StringListTest, AnIndexOutOfRangeRaisesTheListError) {
  TStringList list;
  list.Add("a");
  EXPECT_EQ(list.Strings(0), "a");
  for (int index : {-1, 1, 2}) {
    try {
      list.Strings(index);
      ADD_FAILURE() << index;
    } catch (const EStringListError& e) {
      EXPECT_EQ(e.Message(), "List index out of bounds (" + std::to_string(index) + ")");
      EXPECT_STREQ(e.ClassName(), "EStringListError");
    }
  }
}

TEST(StringListTest, TheErrorIsRaisedAtTheCallersSite) {
  const TStringList list;
  RaiseAddress first, second;
  try { list.Strings(0); } catch (const Exception& e) { first = e.Address(); }
  try { list.Strings(0); } catch (const Exception& e) { second = e.Address(); }
  EXPECT_FALSE(first.IsNil());
  EXPECT_FALSE(first == second);
}

TEST(StringListTest, TextSplitsAtEveryLineBreakForm) {
  TStringList list;
  list.SetText("a\r\nb\nc\rd");
  EXPECT_EQ(Items(list), (std::vector<std::string>{"a", "b", "c", "d"}));
  list.SetText("a\r\n");
  EXPECT_EQ(Items(list), std::vector<std::string>{"a"});
  list.SetText("");
  EXPECT_EQ(list.Count(), 0);
  // LF CR pairs: the first LF ends a line, then each CR LF, then the last CR.
  list.SetText("\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r");
  EXPECT_EQ(list.Count(), 10);
  list.SetText("\n\r");
  EXPECT_EQ(Items(list), (std::vector<std::string>{"", ""}));
  EXPECT_EQ(list.Text(), "\r\n\r\n");
}

TEST(StringListTest, LoadFromFile) {
  TempDir dir;
  TStringList list;
  list.LoadFromFile(dir.Write("list.txt", "one\r\ntwo\r\n"));
  EXPECT_EQ(Items(list), (std::vector<std::string>{"one", "two"}));
  EXPECT_THROW(list.LoadFromFile(dir.File("missing.txt")), EFOpenError);
}

TEST(TextFileTest, ReadsTheLinesOrRaisesAnInputOutputError) {
  TempDir dir;
  EXPECT_EQ(ReadTextFileLines(dir.Write("a.ini", "[Options]\r\nEnglish=1\r\n\r\nlast")),
            (std::vector<std::string>{"[Options]", "English=1", "", "last"}));
  EXPECT_TRUE(ReadTextFileLines(dir.Write("empty.ini", "")).empty());
  try {
    ReadTextFileLines(dir.File("missing.ini"));
    ADD_FAILURE();
  } catch (const EInOutError& e) {
    EXPECT_EQ(e.Message(), "I/O error 2");
  }
  // A folder opens but cannot be read.
  EXPECT_THROW(ReadTextFileLines(dir.Path()), EInOutError);
}

}  // namespace
