// The request one start of the program hands to the running one: what is
// left of a selection to look up, the line on the socket, and the reader
// that treats whatever arrives as untrusted.
#include "ui/instance_request.h"

#include <gtest/gtest.h>

#include <string>

namespace orva {
namespace {

using namespace std::string_literals;

TEST(CleanRequestedWord, KeepsTheWordOfASelection) {
  EXPECT_EQ(cleanRequestedWord(u"книга"), u"книга");
  EXPECT_EQ(cleanRequestedWord(u"  «книги», \n"), u"книги");
  EXPECT_EQ(cleanRequestedWord(u"\n \t\nשלום!\nsecond line"), u"שלום");
  EXPECT_EQ(cleanRequestedWord(u"доброе \t  утро"), u"доброе утро");
  // Gershayim inside an abbreviation stays; the quotation marks around go.
  EXPECT_EQ(cleanRequestedWord(u"\"צה\"ל\""), u"צה\"ל");
  EXPECT_EQ(cleanRequestedWord(u" \r\n ... \u2029"), u"");
}

TEST(CleanRequestedWord, DropsControlsAndDirectionMarks) {
  EXPECT_EQ(cleanRequestedWord(u"\u202Eשלום\u202C\u200F"), u"שלום");
  EXPECT_EQ(cleanRequestedWord(u"кни\u0000га\u001B[31m"s), u"книга[31m");
  EXPECT_EQ(cleanRequestedWord(u"\uFEFF\u0085мир"), u"мир");
}

TEST(CleanRequestedWord, CutsALongSelectionNeverInsideASurrogatePair) {
  std::u16string text(kMaxRequestedWordUnits - 1, u'а');
  text += u"\U0001F600tail";
  const std::u16string word = cleanRequestedWord(text);
  EXPECT_EQ(word, std::u16string(kMaxRequestedWordUnits - 1, u'а'));
  EXPECT_EQ(cleanRequestedWord(std::u16string(5000, u'б')).size(), kMaxRequestedWordUnits);
}

TEST(InstanceRequest, RoundTripsThroughTheReader) {
  for (const InstanceRequest& sent : {InstanceRequest{}, requestToLookUp(u"книга"), requestToLookUp(u"שלום עולם")}) {
    InstanceRequestReader reader;
    EXPECT_EQ(reader.feed(encodeInstanceRequest(sent)), InstanceRequestReader::State::Complete);
    ASSERT_TRUE(reader.request());
    EXPECT_EQ(*reader.request(), sent);
  }
  EXPECT_EQ(requestToLookUp(u" ,. ").kind, InstanceRequest::Kind::Show);
}

TEST(InstanceRequestReader, AssemblesALineFromPiecesAndIgnoresWhatFollows) {
  const std::string line = encodeInstanceRequest(requestToLookUp(u"привет"));
  InstanceRequestReader reader;
  for (size_t i = 0; i + 1 < line.size(); ++i) {
    ASSERT_EQ(reader.feed(line.substr(i, 1)), InstanceRequestReader::State::NeedMore) << i;
  }
  EXPECT_EQ(reader.feed("\nlook-up other\n"), InstanceRequestReader::State::Complete);
  EXPECT_EQ(reader.request()->word, u"привет");
  EXPECT_EQ(reader.feed("more"), InstanceRequestReader::State::Complete);
  EXPECT_EQ(reader.request()->word, u"привет");
}

TEST(InstanceRequestReader, RejectsWhatNoStartOfTheProgramSends) {
  const auto rejected = [](std::string_view bytes) {
    InstanceRequestReader reader;
    return reader.feed(bytes) == InstanceRequestReader::State::Rejected;
  };
  EXPECT_TRUE(rejected("look-up \xD0\n"));         // cut UTF-8
  EXPECT_TRUE(rejected("look-up \xC0\xAF\n"));     // overlong
  EXPECT_TRUE(rejected("look-up \xED\xA0\x80\n"));  // a surrogate
  EXPECT_TRUE(rejected("quit\n"));
  EXPECT_TRUE(rejected("show me\n"));
  EXPECT_TRUE(rejected("\n"));

  // A line longer than any request is refused as soon as it is too long,
  // without waiting for its end.
  InstanceRequestReader reader;
  EXPECT_EQ(reader.feed("look-up "), InstanceRequestReader::State::NeedMore);
  EXPECT_EQ(reader.feed(std::string(kMaxRequestBytes, 'a')), InstanceRequestReader::State::Rejected);
  EXPECT_EQ(reader.feed("\n"), InstanceRequestReader::State::Rejected);
  EXPECT_FALSE(reader.request());

  // The longest accepted line still fits.
  InstanceRequestReader longest;
  EXPECT_EQ(longest.feed("look-up " + std::string(kMaxRequestBytes - 9, 'a') + "\n"),
            InstanceRequestReader::State::Complete);
  EXPECT_EQ(longest.request()->word.size(), kMaxRequestedWordUnits);
}

TEST(InstanceRequestReader, CleansAWordItReceives) {
  InstanceRequestReader reader;
  ASSERT_EQ(reader.feed("look-up \xE2\x80\xAE\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D\x1B\n"), InstanceRequestReader::State::Complete);
  EXPECT_EQ(reader.request()->word, u"שלום");
  // Nothing left to look up: the window is only shown.
  InstanceRequestReader blank;
  ASSERT_EQ(blank.feed("look-up \x07 \n"), InstanceRequestReader::State::Complete);
  EXPECT_EQ(blank.request()->kind, InstanceRequest::Kind::Show);
}

TEST(InstanceSocketName, IsPerUserAndDisplayAndSafeAsAFileName) {
  EXPECT_EQ(instanceSocketName(1000, ""), "orva-1000");
  EXPECT_EQ(instanceSocketName(1000, ":0"), "orva-1000-_0");
  EXPECT_EQ(instanceSocketName(0, "host.example:10.0"), "orva-0-host.example_10.0");
  EXPECT_EQ(instanceSocketName(7, "../../x/y"), "orva-7-.._.._x_y");
  EXPECT_NE(instanceSocketName(1000, ":0"), instanceSocketName(1001, ":0"));
  EXPECT_EQ(instanceSocketName(1, std::string(500, 'w')).size(), std::string("orva-1-").size() + 64);
}

}  // namespace
}  // namespace orva
