// Byte-level checks of the field encoders, on-disc records and the NRG footer.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "recorder/image/ByteOrder.h"
#include "recorder/image/DateTime.h"
#include "recorder/image/ImageWriter.h"
#include "recorder/image/Iso9660Records.h"
#include "recorder/image/IsoNames.h"
#include "recorder/image/TextEncoding.h"
#include "recorder/image/UdfRecords.h"
#include "recorder/image/UdfTag.h"
#include "tests/recorder/image/DvdVideoFiles.h"

namespace bb::recorder::image {
namespace {

using testing::ExpectFields;

std::vector<uint8_t> Bytes(const uint8_t* p, size_t n) { return {p, p + n}; }

TEST(UdfTag, ChecksumCrcAndLocation) {
    // ECMA-167 3/7.2.6: the CRC of the bytes 70 6A 77 is 3299 (hex).
    const uint8_t sample[] = {0x70, 0x6A, 0x77};
    EXPECT_EQ(UdfCrc(sample, 3), 0x3299);
    EXPECT_EQ(UdfCrc(sample, 0), 0);
    std::vector<uint8_t> d(64, 0);
    for (size_t i = 16; i < 64; ++i) d[i] = uint8_t(i * 7);
    FinishUdfTag(d.data(), 261, 0x12345678, 48);
    unsigned sum = 0;
    for (int i = 0; i < 16; ++i)
        if (i != 4) sum += d[size_t(i)];
    ExpectFields(d.data(),
                 {{"identifier", 0, 2, 261}, {"descriptor version (NSR02)", 2, 2, 2}, {"checksum", 4, 1, sum & 0xFF},
                  {"CRC", 8, 2, UdfCrc(d.data() + 16, 48)}, {"CRC length", 10, 2, 48}, {"location", 12, 4, 0x12345678}},
                 "tag");
    d[40] ^= 1;  // a changed body no longer matches the stored CRC
    EXPECT_NE(GetLe16(d.data() + 8), UdfCrc(d.data() + 16, 48));
}

TEST(DateTime, CivilDatesAndEncodedForms) {
    const std::pair<int64_t, std::vector<int>> civil[] = {
        {0, {1970, 1, 1, 0, 0, 0}},
        {951782400, {2000, 2, 29, 0, 0, 0}},  // leap day of a 400-year leap
        {1700000000, {2023, 11, 14, 22, 13, 20}},
        {4102444799, {2099, 12, 31, 23, 59, 59}},
        {-1, {1969, 12, 31, 23, 59, 59}},
    };
    for (const auto& [seconds, want] : civil) {
        const CivilTime t = CivilFromUnix(seconds);
        EXPECT_EQ(std::vector<int>({t.year, t.month, t.day, t.hour, t.minute, t.second}), want) << seconds;
    }
    uint8_t v[17];
    PutIsoVolumeDate(v, 1700000000);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(v), 16), "2023111422132000");
    EXPECT_EQ(v[16], 0);
    PutIsoUnsetDate(v);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(v), 16), "0000000000000000");

    PutIsoRecordDate(v, 1700000000);
    EXPECT_EQ(Bytes(v, 7), (std::vector<uint8_t>{123, 11, 14, 22, 13, 20, 0}));
    PutUdfTimestamp(v, 1700000000);
    EXPECT_EQ(Bytes(v, 12), (std::vector<uint8_t>{0x00, 0x10, 0xE7, 0x07, 11, 14, 22, 13, 20, 0, 0, 0}));
}

TEST(TextEncoding, DecodesUtf8AndFallsBackToLatin1) {
    const std::pair<const char*, std::u32string> cases[] = {
        {"abc", U"abc"}, {"\xC3\xA9t\xC3\xA9", U"\u00E9t\u00E9"}, {"\xE2\x82\xAC", U"\u20AC"},
        {"caf\xE9", U"caf\u00E9"},         // Windows ANSI byte, not UTF-8
        {"\xC0\x80", U"\u00C0\u0080"},     // overlong: not UTF-8
        {"\xE2\x82", U"\u00E2\u0082"},     // cut short
    };
    for (const auto& [bytes, name] : cases) EXPECT_TRUE(DecodeName(bytes) == name) << bytes;
}

TEST(TextEncoding, VolumeIdentifierUsesDCharacters) {
    const std::pair<const char*, const char*> cases[] = {
        {"MY_DVD", "MY_DVD"}, {"My Movie 2", "MY_MOVIE_2"}, {"\xC3\x89t\xC3\xA9-2024", "ETE_2024"}, {"", ""},
        {"A label that is longer than thirty-two characters", "A_LABEL_THAT_IS_LONGER_THAN_THIR"},
    };
    for (const auto& [label, expected] : cases) EXPECT_EQ(IsoVolumeIdentifier(label), expected) << label;
}

TEST(TextEncoding, DStringsUseCs0WithTheLengthLast) {
    uint8_t f[32];
    PutDString(f, 32, U"DVD");
    EXPECT_EQ(Bytes(f, 5), (std::vector<uint8_t>{8, 'D', 'V', 'D', 0}));
    EXPECT_EQ(f[31], 4);

    PutDString(f, 32, U"\u20AC1");  // beyond Latin-1: 16-bit, big-endian
    EXPECT_EQ(Bytes(f, 5), (std::vector<uint8_t>{16, 0x20, 0xAC, 0x00, '1'}));
    EXPECT_EQ(f[31], 5);

    PutDString(f, 32, U"");
    EXPECT_EQ(Bytes(f, 32), std::vector<uint8_t>(32, 0));

    // 40 characters into a 32-byte field: 30 bytes of text remain.
    PutDString(f, 32, U"0123456789012345678901234567890123456789");
    EXPECT_EQ(f[31], 31);
    EXPECT_EQ(f[30], '9');
}

TEST(IsoNames, IdentifiersAreValidAndUnique) {
    struct Case {
        std::vector<std::u32string> names;
        std::vector<bool> isDir;
        std::vector<std::string> expected;
    } cases[] = {
        {{U"VIDEO_TS.IFO", U"VTS_01_1.VOB"}, {false, false}, {"VIDEO_TS.IFO;1", "VTS_01_1.VOB;1"}},
        {{U"VIDEO_TS", U"notes"}, {true, false}, {"VIDEO_TS", "NOTES.;1"}},
        {{U"a.txt", U"A.TXT", U"a.TxT"}, {false, false, false}, {"A.TXT;1", "A~1.TXT;1", "A~2.TXT;1"}},
        {{U"my.long.name.jpeg"}, {false}, {"MY_LONG_NAME.JPEG;1"}},
        {{U"\u00E9t\u00E9 photos"}, {true}, {"ETE_PHOTOS"}},
        {{U"abcdefghijklmnopqrstuvwxyz0123456789.text", U"abcdefghijklmnopqrstuvwxyz0123456789.texts"},
         {false, false},
         {"ABCDEFGHIJKLMNOPQRSTUVWXYZ.TEXT;1", "ABCDEFGHIJKLMNOPQRSTUVWXY.TEXTS;1"}},
        {{U"abcdefghijklmnopqrstuvwxyz0123456789a", U"abcdefghijklmnopqrstuvwxyz0123456789b"},
         {true, true},
         {"ABCDEFGHIJKLMNOPQRSTUVWXYZ01234", "ABCDEFGHIJKLMNOPQRSTUVWXYZ012~1"}},
    };
    for (const Case& c : cases) EXPECT_EQ(MakeIsoIdentifiers(c.names, c.isDir), c.expected);
}

TEST(IsoNames, JolietKeepsNamesAndShortensUniquely) {
    const std::u32string longName(70, U'x');
    auto ids = MakeJolietIdentifiers({U"Menu: \u00E9t\u00E9?.png", longName + U".png", longName + U".jpg", longName + U"y.png"});
    EXPECT_EQ(ids[0], u"Menu_ \u00E9t\u00E9_.png");
    EXPECT_EQ(ids[1].size(), 64u);
    EXPECT_EQ(ids[2].size(), 64u);
    EXPECT_NE(ids[1], ids[2]);
    EXPECT_EQ(ids[3].size(), 64u);
    EXPECT_EQ(ids[3].substr(ids[3].size() - 4), u".png");
    EXPECT_NE(ids[3], ids[1]);
}

TEST(IsoNames, SortOrderComparesNameThenExtension) {
    // ISO 9660 9.3: "A.Z" before "AB.A" because the name "A" pads with spaces.
    const std::tuple<const char*, const char*, bool> cases[] = {{"A.Z;1", "AB.A;1", true},
                                                                {"VIDEO_TS.BUP;1", "VIDEO_TS.IFO;1", true},
                                                                {"AUDIO_TS", "VIDEO_TS", true},
                                                                {"B.;1", "A.ZZZ;1", false}};
    for (const auto& [a, b, less] : cases) EXPECT_EQ(IsoIdentifierLess(a, b), less) << a << " < " << b;
}

TEST(Iso9660Records, DirectoryRecordFields) {
    IsoDirRecord r;
    r.extent = 0x1234;
    r.dataLength = 12288;
    r.recorded = 1700000000;
    r.flags = kIsoFlagMultiExtent;
    r.identifier = "VTS_01_1.VOB;1";  // 14 bytes: even, so one pad byte
    uint8_t b[64];
    ASSERT_EQ(PutIsoDirRecord(b, r), 48u);
    ExpectFields(b,
                 {{"record length", 0, 1, 48}, {"extent, LE", 2, 4, 0x1234}, {"extent, BE", 6, -4, 0x1234},
                  {"data length, LE", 10, 4, 12288}, {"data length, BE", 14, -4, 12288}, {"year - 1900", 18, 1, 123},
                  {"flags: multi-extent", 25, 1, 0x80}, {"volume sequence, both", 28, 4, 0x01000001},
                  {"identifier length", 32, 1, 14}, {"pad byte", 47, 1, 0}},
                 "directory record");
    EXPECT_EQ(std::string(reinterpret_cast<char*>(b + 33), 14), "VTS_01_1.VOB;1");
    EXPECT_EQ(IsoDirRecordLength(1), 34u);
}

TEST(Iso9660Records, PathTableRecordInBothByteOrders) {
    uint8_t l[16], m[16];
    ASSERT_EQ(PutPathTableRecord(l, false, "VIDEO_TS", 300, 1), 16u);
    ASSERT_EQ(PutPathTableRecord(m, true, "VIDEO_TS", 300, 1), 16u);
    EXPECT_EQ(Bytes(l, 8), (std::vector<uint8_t>{8, 0, 0x2C, 0x01, 0, 0, 1, 0}));
    EXPECT_EQ(Bytes(m, 8), (std::vector<uint8_t>{8, 0, 0, 0, 0x01, 0x2C, 0, 1}));
    uint8_t odd[16];
    EXPECT_EQ(PutPathTableRecord(odd, false, std::string(1, '\0'), 20, 1), 10u);  // root, padded
}

TEST(Iso9660Records, JolietDescriptorCarriesEscapeAndUcs2Label) {
    std::vector<uint8_t> s(2048);
    IsoVolumeFields v;
    v.joliet = true;
    v.volumeId = JolietBytes(u"\u00C9t\u00E9");
    v.volumeSpaceSize = 1000;
    PutIsoVolumeDescriptor(s.data(), v);
    ExpectFields(s.data(),
                 {{"type: supplementary", 0, 1, 2}, {"standard identifier", 1, -5, 0x4344303031 /* CD001 */},
                  {"escape sequence", 88, -3, 0x252F45 /* %/E */}, {"volume identifier", 40, -8, 0x00C9007400E90020},
                  {"volume space, LE", 80, 4, 1000}, {"volume space, BE", 84, -4, 1000},
                  {"structure version", 881, 1, 1}},
                 "Joliet descriptor");
}

TEST(UdfRecords, FileEntryWithSeveralExtents) {
    std::vector<uint8_t> s(2048);
    UdfFileEntryFields f;
    f.size = 3ull << 30;
    f.extents = {{100, 0x3FFFF800}, {100 + 0x7FFFF, 0x3FFFF800}, {100 + 2 * 0x7FFFF, 4096}};
    f.uniqueId = 42;
    PutFileEntry(s.data(), 7, f);
    ExpectFields(s.data(),
                 {{"tag identifier", 0, 2, 261}, {"ICB file type: file", 27, 1, 5},
                  {"ICB flags: short allocation descriptors", 34, 2, 0}, {"information length", 56, 8, 3ull << 30},
                  {"blocks recorded", 64, 4, 2u * 0x7FFFF + 2}, {"unique id", 160, 4, 42},
                  {"allocation descriptors length", 172, 4, 24}, {"first extent length", 176, 4, 0x3FFFF800},
                  {"first extent position", 180, 4, 100}, {"third extent position", 196, 4, 100u + 2 * 0x7FFFF},
                  {"CRC length: the descriptors too", 10, 2, 176 + 24 - 16}},
                 "file entry");
}

TEST(UdfRecords, FileIdentifierLengthAndPadding) {
    uint8_t b[64] = {};
    const std::vector<uint8_t> id = {8, 'V', 'I', 'D', 'E', 'O', '_', 'T', 'S'};
    ASSERT_EQ(PutFileIdentifier(b, 3, kFidDirectory, 9, id), 48u);  // 38 + 9 rounded up to 4
    ExpectFields(b,
                 {{"tag identifier", 0, 2, 257}, {"location", 12, 4, 3}, {"characteristics", 18, 1, kFidDirectory},
                  {"identifier length", 19, 1, 9}, {"ICB length", 20, 4, 2048}, {"ICB block", 24, 4, 9},
                  {"padding", 47, 1, 0}},
                 "file identifier");
    EXPECT_EQ(UdfFidLength(0), 40u);
}

TEST(UdfRecords, LogicalVolumeDescriptorNamesUdf102) {
    std::vector<uint8_t> s(6 * 2048);
    UdfVolumeFields v;
    v.label = U"A label longer than thirty characters";
    v.partitionStart = 257;
    v.partitionLength = 1000;
    v.integrityStart = 64;
    v.integritySectors = 2;
    PutVolumeDescriptorSequence(s.data(), 32, v);
    // PVD volume identifier: 30 characters + compression id.
    ExpectFields(s.data(), {{"volume identifier length", 24 + 31, 1, 31}}, "primary volume descriptor");
    const uint8_t* pd = s.data() + 2 * 2048;
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(pd + 25), 6), "+NSR02");
    ExpectFields(pd, {{"partition start", 188, 4, 257}, {"partition length", 192, 4, 1000}}, "partition descriptor");
    const uint8_t* lvd = s.data() + 3 * 2048;
    ExpectFields(lvd,
                 {{"tag identifier", 0, 2, 6}, {"identifier length: the whole label", 84 + 127, 1, 1 + v.label.size()},
                  {"domain suffix: UDF revision", 216 + 24, 2, 0x0102}, {"logical block size", 212, 4, 2048},
                  {"partition map type", 440, 1, 1}},
                 "logical volume descriptor");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(lvd + 217), 19), "*OSTA UDF Compliant");
    for (int i = 0; i < 6; ++i) EXPECT_EQ(GetLe32(s.data() + size_t(i) * 2048 + 12), 32u + unsigned(i));
    EXPECT_EQ(GetLe16(s.data() + 5 * 2048), 8);  // terminating descriptor
}


uint64_t Be(const std::vector<uint8_t>& b, size_t at, int bytes) {
    uint64_t v = 0;
    for (int i = 0; i < bytes; ++i) v = v << 8 | b[at + size_t(i)];
    return v;
}

// The NRG footer read back by a parser written from the format's public
// description: chunk chain, offsets and the single Mode 1 track.
struct Chunk {
    std::string id;
    size_t at;  // offset of the payload within the footer
    uint32_t length;
};

// The footer follows the image directly: chunk offsets in the file are
// imageBytes + offsets in `footer`. Follows the chain from the trailer.
std::vector<Chunk> ParseFooter(const std::vector<uint8_t>& footer, uint64_t imageBytes) {
    std::vector<Chunk> chunks;
    if (footer.size() < 12) return chunks;
    EXPECT_EQ(std::string(footer.end() - 12, footer.end() - 8), "NER5");
    const uint64_t first = Be(footer, footer.size() - 8, 8);
    EXPECT_EQ(first, imageBytes) << "the first chunk starts right after the image";
    size_t pos = size_t(first - imageBytes);
    while (pos + 8 <= footer.size() - 12) {
        Chunk c{std::string(footer.begin() + long(pos), footer.begin() + long(pos) + 4), pos + 8,
                uint32_t(Be(footer, pos + 4, 4))};
        chunks.push_back(c);
        pos += 8 + c.length;
        if (c.id == "END!") break;
    }
    EXPECT_EQ(pos, footer.size() - 12) << "the chain must end where the trailer starts";
    return chunks;
}

TEST(NrgFooter, ParsesBackAsOneMode1Track) {
    struct Case {
        uint64_t sectors;
        bool dvd;
        uint32_t mediaType;
    } cases[] = {{640, true, 4}, {2295104, true, 4}, {3000000, true, 4}, {300000, false, 1}};
    for (const Case& c : cases) {
        const uint64_t imageBytes = c.sectors * 2048;
        const std::vector<uint8_t> f = BuildNrgFooter(c.sectors, c.dvd);
        const std::vector<Chunk> chunks = ParseFooter(f, imageBytes);
        std::vector<std::string> ids;
        for (const Chunk& chunk : chunks) ids.push_back(chunk.id);
        ASSERT_EQ(ids, (std::vector<std::string>{"CUEX", "DAOX", "SINF", "MTYP", "END!"}));

        // Cue: lead-in, index 0, index 1, lead-out; one Mode 1 track in the
        // disc-at-once chunk.
        ASSERT_EQ(chunks[0].length, 32u);
        ASSERT_EQ(chunks[1].length, 22u + 42u);
        EXPECT_EQ(chunks[2].length, 4u);
        const size_t cue = chunks[0].at, dao = chunks[1].at, track = dao + 22;
        testing::ExpectFields(
            f.data(),
            {{"lead-in position", cue + 4, -4, uint32_t(-150)}, {"track number", cue + 17, 1, 1},
             {"index number", cue + 18, 1, 1}, {"index 1 position", cue + 20, -4, 0}, {"lead-out", cue + 25, 1, 0xAA},
             {"lead-out position", cue + 28, -4, c.sectors}, {"first track", dao + 20, 1, 1},
             {"last track", dao + 21, 1, 1}, {"sector size", track + 12, -2, 2048}, {"mode 1", track + 14, 1, 0},
             {"index 0 offset", track + 18, -8, 0}, {"index 1 offset", track + 26, -8, 0},
             {"track end: beyond 4 GiB in the larger cases", track + 34, -8, imageBytes},
             {"tracks in the session", chunks[2].at, -4, 1}, {"media type", chunks[3].at, -4, c.mediaType}},
            "NRG footer");
        EXPECT_EQ(chunks[4].length, 0u);
    }
}

}  // namespace
}  // namespace bb::recorder::image
