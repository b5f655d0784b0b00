#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "TempFolder.h"
#include "ZipMaker.h"
#include "model/voice/GameData.h"
#include "model/voice/VoiceScript.h"
#include "model/voice/WaveSound.h"
#include "platform/FileSystem.h"

namespace quillon {
namespace {

using test::TempFolder;
using test::ToneWave;
using test::WriteFile;
using test::ZipMaker;

const EngineRules& kRtcw = RulesOf(Game::ReturnToCastleWolfenstein, Engine::Original);
const EngineRules& kEt = RulesOf(Game::EnemyTerritory, Engine::Original);
const EngineRules& kEtl = RulesOf(Game::EnemyTerritory, Engine::Legacy);

std::string Archive(const std::vector<std::pair<std::string, std::string>>& entries,
                    bool deflate = false) {
    ZipMaker zip;
    for (const auto& [name, content] : entries) {
        zip.Add(name, content, deflate);
    }
    return zip.Archive();
}

// The bytes with `with` written over them from `at` on.
std::string Patched(std::string bytes, size_t at, const std::string& with) {
    return bytes.replace(at, with.size(), with);
}

class MemoryFile : public ReadableFile {
  public:
    explicit MemoryFile(std::string bytes) : bytes_(std::move(bytes)) {}
    uint64_t Size() const override { return bytes_.size(); }
    Result<std::string> ReadAt(uint64_t offset, size_t size) override {
        return offset >= bytes_.size() ? std::string() : bytes_.substr(offset, size);
    }

  private:
    std::string bytes_;
};

TEST(PakOrder, SortsAsTheGamesSortAFoldersPaks) {
    // The name sorting first, the other, and whether "mp_" sorts as "zz_".
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"pak0.pk3", "pak1.pk3", false},    {"pak0.pk3", "pak0a.pk3", false},
        {"PAK1.pk3", "pak2.pk3", false},    {"pak2.pk3", "PAK3.PK3", false},
        {"zebra.pk3", "_patch.pk3", false}, {"9.pk3", "a.pk3", false},
        {"\xC3\xA9.pk3", "0.pk3", false},   {"mp_pak0.pk3", "pak0.pk3", false},
        {"pak9.pk3", "mp_pak0.pk3", true},  {"mp_pak0.pk3", "mp_pak1.pk3", true},
    };
    for (const auto& [first, second, multiplayerNames] : cases) {
        EXPECT_TRUE(PakSortsBefore(first, second, multiplayerNames)) << first;
        EXPECT_FALSE(PakSortsBefore(second, first, multiplayerNames)) << first;
    }
}

// Two folders of a search order, each with pk3s and loose files, read as each engine reads them.
TEST(GameData, FindsAFileWhereEachEngineFindsIt) {
    const std::string name = "sound/chat/axis/11a.wav";
    const auto pak = [&](const std::string& content) { return Archive({{name, content}}); };
    std::string broken = pak("xxxx");
    broken[8] = 12;  // method 12, in the local and the central header
    broken[broken.find("PK\x01\x02", 0) + 10] = 12;
    struct Case {
        const char* what;
        const EngineRules& rules;
        std::vector<std::pair<std::string, std::string>> files;  // below the root: bytes
        const char* expected;                                    // empty: not found
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"the pak sorting last wins", kEt,
         {{"first/pak0.pk3", pak("pak0")}, {"first/pak1.pk3", pak("pak1")}}, "pak1"},
        {"deflated, named in odd case, \\ and : for /", kEt,
         {{"first/pak0.pk3", Archive({{"Sound:Chat\\AXIS\\11A.WAV", "deflated deflated"}}, true)}},
         "deflated deflated"},
        {"the first folder wins", kEt,
         {{"first/z.pk3", pak("first")}, {"second/zz.pk3", pak("second")}}, "first"},
        {"a pure game reads no loose file", kEt,
         {{"first/" + name, "loose"}, {"second/pak0.pk3", pak("archive")}}, "archive"},
        {"a pure game reads no loose file only", kRtcw, {{"first/" + name, "loose"}}, ""},
        {"ET: Legacy reads loose files before every pak", kEtl,
         {{"first/pak0.pk3", pak("archive")}, {"second/" + name, "loose"}}, "loose"},
        {"mp_ paks above the others", kRtcw,
         {{"first/pak9.pk3", pak("pak9")}, {"first/mp_pak0.pk3", pak("mp_pak0")},
          {"first/sp_pak9.pk3", pak("sp_pak9")}, {"first/zz_pak9.pk3", pak("zz_pak9")}}, "mp_pak0"},
        {"no mp_ rule in ET", kEt,
         {{"first/pak9.pk3", pak("pak9")}, {"first/mp_pak0.pk3", pak("mp_pak0")}}, "pak9"},
        {"an entry that cannot be read hides the rest", kEt,
         {{"first/pak0.pk3", pak("pak0")}, {"first/pak1.pk3", broken}}, ""},
        {"a pk3 named in capitals", kEt, {{"first/PAK0.PK3", pak("caps")}}, "caps"},
        {"the last of one name in a pak wins", kEt,
         {{"first/pak0.pk3", Archive({{name, "1"}, {name, "2"}})}}, "2"},
        {"an unreadable loose file hides the paks below", kEtl,
         {{"first/" + name + "/inside", "a folder"}, {"second/pak0.pk3", pak("archive")}}, ""},
        {"a broken pak is passed over", kEt,
         {{"first/pak0.pk3", pak("pak0")}, {"first/pak1.pk3", "PK not an archive"}}, "pak0"},
    };
    // clang-format on
    for (const Case& c : cases) {
        TempFolder root;
        for (const auto& [path, bytes] : c.files) {
            WriteFile(root / path, bytes);
        }
        const GameData data = GameData::Index(
            RealFileSystem(), {root.Text("first") + kSeparator, root.Text("second") + kSeparator},
            c.rules);
        const Result<std::string> read = data.Read(name, 1024);
        EXPECT_EQ(read.Ok() ? read.Get() : "", c.expected) << c.what;
    }
}

// Archives as a hostile or damaged disk gives them: never a crash, a hang or more than the limit.
TEST(ZipArchive, SurvivesHostileArchives) {
    const std::string good = Archive({{"a.wav", std::string(3000, 'a')}, {"b.wav", "bb"}}, true);
    const auto read = [&](const std::string& bytes,
                          const std::string& name) -> Result<std::string> {
        MemoryFile file(bytes);
        Result<ZipDirectory> zip = ZipDirectory::Read(file);
        if (!zip.Ok()) {
            return Status(zip);
        }
        const ZipEntry* entry = zip.Get().Find(name);
        return entry ? ReadZipEntry(file, *entry, 4096) : NothingRead();
    };
    for (size_t cut = 0; cut < good.size(); ++cut) {
        const Result<std::string> got = read(good.substr(0, cut), "a.wav");
        EXPECT_TRUE(!got.Ok() || got.Get().size() <= 3000) << cut;
    }
    // Every byte of the directory and the headers changed in turn.
    for (size_t at = 0; at < good.size(); ++at) {
        std::string changed = good;
        changed[at] = static_cast<char>(~changed[at]);
        const Result<std::string> got = read(changed, "a.wav");
        EXPECT_TRUE(!got.Ok() || got.Get().size() <= 3000) << at;
    }
    // The directory's sizes: 4 GB unpacked, packed data beyond the end, 10 bytes unpacked.
    const size_t directory = good.find("PK\x01\x02");
    EXPECT_EQ(read(Patched(good, directory + 24, "\xFF\xFF\xFF\xF0"), "a.wav").What(),
              Finding::LargerThanLimit);
    EXPECT_FALSE(read(Patched(good, directory + 20, "\xFF\xFF\xFF"), "a.wav").Ok());
    const std::string ten("\x0A\x00\x00\x00", 4);
    EXPECT_EQ(read(Patched(good, directory + 24, ten), "a.wav").Get(), std::string(10, 'a'));
    const std::string stored = Archive({{"a.wav", std::string(30, 'a')}});
    EXPECT_EQ(read(Patched(stored, stored.find("PK\x01\x02") + 24, ten), "a.wav").Get(),
              std::string(10, 'a'));
    // A directory past the limit is refused before it is read, however well-formed.
    std::string padded = good;
    const size_t end = padded.find("PK\x05\x06");
    padded[end + 15] = 4;  // the directory grows by 64 MB of padding before the end record
    padded.insert(end, kLargestZipDirectory, '\0');
    EXPECT_FALSE(read(padded, "b.wav").Ok());
    EXPECT_EQ(read("stub before " + good, "b.wav").Get(), "bb");
    EXPECT_EQ(read(Archive({{"sound/../../x.wav", "x"}}), "sound/../../x.wav").Kind(),
              ErrorKind::Missing);
    // The games read names of up to 255 bytes, and find the end past a comment of the most a zip
    // holds.
    for (const size_t length : {255, 256}) {
        const std::string longName(length, 'n');
        EXPECT_EQ(read(Archive({{longName, "n"}}), longName).Ok(), length == 255) << length;
    }
    const std::string commented = Patched(good, good.size() - 2, "\xFF\xFF");
    EXPECT_EQ(read(commented + std::string(0xFFFF, 'c'), "b.wav").Get(), "bb");
}

std::string Summary(const VoiceChats& read) {
    std::string summary;
    for (const VoiceChat& chat : read.chats) {
        summary += chat.name + "[";
        for (const VoiceLine& line : chat.lines) {
            summary += line.sound + "=" + line.text + "|";
        }
        summary += "]";
    }
    return summary + (read.problem.empty() ? "" : " !");
}

TEST(VoiceScript, ReadsChatsAsTheEngineReadsThem) {
    // A chat of 32 sounds, and 65 chats: the first past the limits of ET and of RTCW.
    std::string many = "male Cheer {\n", first32, chats = "male", first64;
    for (int k = 0; k < 65; ++k) {
        const std::string n = std::to_string(k);
        many += k < 32 ? "s" + n + " t\n" : "";
        first32 += k < 32 ? "s" + n + "=t|" : "";
        chats += " C" + n + " { s t }";
        first64 += k < 64 ? "C" + n + "[s=t|]" : "";
    }
    many += "}\nAfter { a b }\n";
    // The script, the engine reading it and the chats it gives (Summary).
    const std::vector<std::tuple<std::string, const EngineRules&, std::string>> cases = {
        {"// voices\nmale /* of the axis */\nMedic\n{\n s/m1.wav \"I need a medic!\"\n"
         " s/m2.wav Medic! sprites/medic\n}\n",
         kEt, "Medic[s/m1.wav=I need a medic!|s/m2.wav=Medic!|]"},
        // clang-format off
        {"NEUTER A { s1 t1 icon s2 t2 }", kEt, "A[s1=t1|s2=t2|]"}, {"robot A { s1 t1 }", kEt, " !"},
        {"male A { s1 t1 } B { s2 t2", kEt, "A[s1=t1|] !"}, {"male A{ s1 t1 }", kEt, " !"},
        {"male A { s1 t1 } B s2 t2 }", kEt, "A[s1=t1|] !"}, {"male A { s1 \"\" }", kEt, " !"},
        {"male A { s1 \"say \\\"hi\" now\\\"\" }", kEt, "A[s1=say \"hi\" now\"|]"},
        {"male A { s1 \"say \\\"hi\" now\\\"\" }", kRtcw, " !"},
        {"male\r\nA\r\n{\r\ns1 t1 i1\r\n}\r\n", kEt, "A[s1=t1|]"},
        {"male A { s1 a\xA0z }", kEt, "A[s1=a|]"},
        // clang-format on
        {"male A { s1 " + std::string(70, 't') + " }", kEt, "A[s1=" + std::string(63, 't') + "|]"},
        {"male A { s1 t1 } B { s2 " + std::string(1024, 'w') + " }", kRtcw, "A[s1=t1|] !"},
        {"male A { s1 " + std::string(1024, 'w') + " }", kEtl,
         "A[s1=" + std::string(63, 'w') + "|]"},
        {many, kEt, "Cheer[" + first32 + "] !"},
        {many, kRtcw, "Cheer[" + first32 + "]After[a=b|]"},
        {chats, kRtcw, first64},
        {"male A { s1 t1 }" + std::string(32767, ' '), kEtl, " !"},
        {std::string("male A { s1 t1 }\0B { s2 t2 }", 28), kEtl, "A[s1=t1|]"},
    };
    for (const auto& [script, rules, expected] : cases) {
        EXPECT_EQ(Summary(ParseVoiceChats(script, rules)), expected) << script;
    }
    const VoiceChats read = ParseVoiceChats("male Medic { a b } MEDIC { c d }", kEtl);
    ASSERT_NE(read.Find("medic"), nullptr);
    EXPECT_EQ(read.Find("medic")->lines[0].sound, "a");
}

TEST(WaveSound, ReadsThePcmTheEngineReads) {
    const std::string floatWave = Patched(ToneWave(440), 20, "\3");
    // What the file is, its bytes, the engine reading it and the bytes of sound read (0: refused).
    const std::vector<std::tuple<const char*, std::string, const EngineRules&, size_t>> cases = {
        {"16-bit mono", ToneWave(440), kEt, 4410},
        {"8-bit mono", ToneWave(440, 11025, 8), kRtcw, 2205},
        {"stereo, original", ToneWave(440, 22050, 16, 2), kEt, 0},
        {"stereo, ET: Legacy", ToneWave(440, 22050, 16, 2), kEtl, 8820},
        {"ADPCM", Patched(Patched(ToneWave(440), 20, "\2"), 34, "\4"), kEtl, 0},
        {"tag 3, original", floatWave, kEt, 0},
        {"tag 3 as PCM, ET: Legacy", floatWave, kEtl, 4410},
        {"data size past the end", Patched(ToneWave(440), 40, "\xFF\xFF\xFF\x7F"), kEt, 4410},
        {"cut in its header", ToneWave(440).substr(0, 30), kEt, 0},
        {"odd-sized chunk, padded", ToneWave(440).insert(36, std::string("LIST\3\0\0\0abc\0", 12)),
         kEt, 4410},
        {"odd byte cut", ToneWave(440).substr(0, 44 + 4409), kEt, 4408},
        {"Ogg", "OggS\0\0\0", kEtl, 0},
        {"not RIFF", "RIFX", kEtl, 0},
    };
    for (const auto& [what, bytes, rules, sampleBytes] : cases) {
        const Result<PcmSound> read = ReadWave(bytes, rules);
        EXPECT_EQ(read.Ok() ? read.Get().samples.size() : 0, sampleBytes) << what;
        EXPECT_EQ(read.Ok(), read.Message().empty()) << what;
    }
    const Result<PcmSound> tone = ReadWave(ToneWave(440), kEtl);
    EXPECT_EQ(WaveFileOf(tone.Get()), ToneWave(440));
}

}  // namespace
}  // namespace quillon
