#include "pf/archive.h"

#include <gtest/gtest.h>

#include <bit>
#include <climits>
#include <cstring>
#include <limits>
#include <sstream>
#include <streambuf>

namespace {

using pf::Archive;
using pf::ArchiveError;
using Kind = pf::ArchiveError::Kind;

// Hands out its bytes but cannot seek, like a pipe.
class PipeBuf : public std::streambuf {
 public:
  explicit PipeBuf(std::string bytes) : bytes_(std::move(bytes)) {
    setg(bytes_.data(), bytes_.data(), bytes_.data() + bytes_.size());
  }

 private:
  std::string bytes_;
};

template <typename F>
Kind ThrownKind(F&& f) {
  try {
    f();
  } catch (const ArchiveError& e) {
    return e.kind();
  }
  ADD_FAILURE() << "no ArchiveError";
  return Kind::WrongMode;
}

// Stores the value as exactly these bytes; loads them back bit-exact, and throws when one byte
// is missing, from files and pipes alike.
template <typename T>
void ExpectImage(T value, std::initializer_list<int> bytes) {
  std::string image;
  for (int b : bytes) image.push_back(static_cast<char>(b));
  SCOPED_TRACE(testing::PrintToString(image));
  std::ostringstream out;
  Archive(out) << value;
  EXPECT_EQ(out.str(), image);
  for (bool cut : {false, true}) {
    const std::string in = image.substr(0, image.size() - cut);
    std::istringstream file(in);
    PipeBuf buf(in);
    std::istream pipe(&buf);
    for (std::istream* s : {static_cast<std::istream*>(&file), &pipe}) {
      Archive ar(*s);
      T loaded{};
      if (cut) {
        EXPECT_EQ(ThrownKind([&] { ar >> loaded; }), Kind::ShortRead);
      } else {
        ar >> loaded;
        EXPECT_EQ(std::memcmp(&loaded, &value, sizeof(T)), 0);
      }
    }
  }
}

TEST(Archive, StoresLittleEndianImagesAndLoadsThemBitExact) {
  ExpectImage(int8_t{-1}, {0xFF});
  ExpectImage(int16_t{-0x1234}, {0xCC, 0xED});
  ExpectImage(int32_t{-0x12345678}, {0x88, 0xA9, 0xCB, 0xED});
  ExpectImage(uint32_t{0xDEADBEEF}, {0xEF, 0xBE, 0xAD, 0xDE});
  ExpectImage(1.0f, {0x00, 0x00, 0x80, 0x3F});
  ExpectImage(-std::numeric_limits<float>::max(), {0xFF, 0xFF, 0x7F, 0xFF});
  ExpectImage(std::numeric_limits<float>::denorm_min(), {0x01, 0x00, 0x00, 0x00});
  ExpectImage(0.1, {0x9A, 0x99, 0x99, 0x99, 0x99, 0x99, 0xB9, 0x3F});
  ExpectImage(-0.0, {0, 0, 0, 0, 0, 0, 0, 0x80});
}

// What is stored stays bit for bit, but a number that is no finite number does not load: the
// load throws NotFinite with the number's text, whatever the NaN's payload or sign.
TEST(Archive, NumbersThatAreNotFiniteStoreButDoNotLoad) {
  const struct {
    uint64_t bits;
    bool isDouble;
    const char* text;
  } kCases[] = {
      {0x7FC00123u, false, "nan"},
      {0xFF800001u, false, "nan"},
      {0x7F800000u, false, "inf"},
      {0xFF800000u, false, "-inf"},
      {0xFFF8000000000ABCull, true, "nan"},
      {0x7FF0000000000000ull, true, "inf"},
      {0xFFF0000000000000ull, true, "-inf"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text);
    std::ostringstream out;
    Archive storing(out);
    if (c.isDouble) {
      storing << std::bit_cast<double>(c.bits);
    } else {
      storing << std::bit_cast<float>(static_cast<uint32_t>(c.bits));
    }
    const std::string image = out.str();
    uint64_t stored = 0;
    std::memcpy(&stored, image.data(), image.size());
    EXPECT_EQ(stored, c.bits);
    std::istringstream in(image);
    Archive loading(in);
    try {
      if (c.isDouble) {
        double d = 0.0;
        loading >> d;
      } else {
        float f = 0.0f;
        loading >> f;
      }
      ADD_FAILURE() << "loaded";
    } catch (const ArchiveError& e) {
      EXPECT_EQ(e.kind(), Kind::NotFinite);
      EXPECT_STREQ(e.what(), c.text);
    }
  }
}

TEST(Archive, RawBlocksAndRemainingFromWhereTheStreamStands) {
  std::ostringstream out;
  {
    Archive ar(out);
    ar << int8_t{9};
    ar.Write("abc\0def", 7);
    ar.Write(nullptr, 0);
    ar << int16_t{7};
  }
  std::istringstream in(out.str());
  in.seekg(1);
  Archive ar(in);
  EXPECT_EQ(ar.Remaining(), 9u);
  char block[7];
  ar.Read(block, sizeof block);
  EXPECT_EQ(std::string(block, 7), std::string("abc\0def", 7));
  EXPECT_EQ(ar.Remaining(), 2u);
  char rest[3];
  EXPECT_EQ(ThrownKind([&] { ar.Read(rest, 3); }), Kind::ShortRead);
  int16_t v = 0;
  ar >> v;  // a refused read leaves the bytes in place
  EXPECT_EQ(v, 7);
}

// A mark is taken only when it is all there; otherwise the next read sees the same bytes.
TEST(Archive, TakeMarkConsumesOnlyItsOwnBytes) {
  const uint32_t mark = 0xFFFF414Eu;
  std::ostringstream out;
  {
    Archive ar(out);
    ar << mark;
  }
  const std::string marked = out.str() + "\x07";
  const struct {
    std::string bytes;
    bool taken;
    std::size_t left;
  } cases[] = {{marked, true, 1}, {"\x4E\x41\xFF\xFE\x07", false, 5}, {"\x4E\x41\xFF", false, 3},
               {"", false, 0}};
  for (const auto& c : cases) {
    std::istringstream in(c.bytes);
    Archive ar(in);
    EXPECT_EQ(ar.TakeMark(mark), c.taken) << c.bytes.size();
    EXPECT_EQ(ar.Remaining(), c.left);
    std::string rest(c.left, '\0');
    ar.Read(rest.data(), rest.size());
    EXPECT_EQ(rest, c.bytes.substr(c.bytes.size() - c.left));
  }
  PipeBuf buf(marked);
  std::istream pipe(&buf);
  Archive unseekable(pipe);
  EXPECT_FALSE(unseekable.TakeMark(mark));
}

// Hostile counts fail before anyone allocates for them.
TEST(Archive, CheckCountBoundsByMaximumAndRestOfStream) {
  struct Case {
    int64_t count, maxCount;
    std::size_t elementSize, bytesLeft;
    bool accepted;
  } cases[] = {
      {0, 0, 1, 0, true},        {INT32_MIN, 100, 1, 1000, false}, {101, 100, 1, 1000, false},
      {100, 100, 1, 100, true},  {100, 100, 1, 99, false},          {25, 100, 4, 100, true},
      {26, 100, 4, 100, false},  {INT32_MAX, INT32_MAX, 1, 16, false},
      {INT64_MAX / 4, INT64_MAX, 8, 16, false}, {50, 100, 0, 0, true},
  };
  for (const Case& c : cases) {
    std::istringstream in(std::string(c.bytesLeft, 'x'));
    Archive ar(in);
    bool accepted = true;
    try {
      ar.CheckCount(c.count, c.maxCount, c.elementSize);
    } catch (const ArchiveError& e) {
      accepted = false;
      EXPECT_EQ(e.kind(), Kind::BadCount);
    }
    EXPECT_EQ(accepted, c.accepted) << c.count << " of " << c.maxCount << " x " << c.elementSize;
  }
}

TEST(Archive, CheckCountOnPipeKnowsOnlyTheMaximum) {
  PipeBuf buf("xy");
  std::istream pipe(&buf);
  Archive ar(pipe);
  EXPECT_FALSE(ar.Remaining().has_value());
  EXPECT_NO_THROW(ar.CheckCount(1000, 1000));
  EXPECT_EQ(ThrownKind([&] { ar.CheckCount(1001, 1000); }), Kind::BadCount);
}

TEST(Archive, FailedStreamOrUseAgainstTheModeThrows) {
  std::ostringstream failed;
  failed.setstate(std::ios::badbit);
  Archive onFailed(failed);
  EXPECT_EQ(ThrownKind([&] { onFailed << int8_t{1}; }), Kind::WriteFailed);

  std::ostringstream out;
  Archive storing(out);
  std::istringstream in("12345678");
  Archive loading(in);
  double d = 0;
  EXPECT_EQ(ThrownKind([&] { storing >> d; }), Kind::WrongMode);
  EXPECT_EQ(ThrownKind([&] { loading << d; }), Kind::WrongMode);
  EXPECT_TRUE(out.str().empty());
  EXPECT_EQ(loading.Remaining(), 8u);
}

}  // namespace
