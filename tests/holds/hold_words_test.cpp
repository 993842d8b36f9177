// Only core/holds.cpp writes the hold words: every other write is a hold
// nobody owns, the shape of every lock in which her keys stayed dead or a
// line stayed up with nobody left to let go.
//
// The rest of the game reads each word through a view that turns into the
// word's value and keeps no bytes that lead to the record, and the record
// and the views' reads are core/holds.cpp's own, so a write elsewhere
// either does not compile or lands on a copy: the writes planted in
// planted/ are compiled on every run to show it, and the ones that compile
// are shown to reach no word; a second read, planted in planted/links/,
// fails the build. What the compiler lets through besides is a cast that
// takes the view's own byte for the word: it reaches no word either, but
// reads nonsense or crashes, so the source check refuses it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "core/holds.h"
#include "holds/command_run.h"
#include "support/test_hold.h"

namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kHoldWords = {"MessageBoxOpen", "EventHoldsPlayer", "MenuKeyBlocked",
                                             "PlayerKeysBlocked"};

// A view has nothing inside it to write through.
static_assert(std::is_empty_v<std::remove_cvref_t<decltype(MessageBoxOpen)>>);

struct Token {
    std::string text;
    int line;
};

bool IsHoldWord(const std::string& t) {
    return std::find(kHoldWords.begin(), kHoldWords.end(), t) != kHoldWords.end();
}

// Tokens as the compiler sees them: continuations joined, comments, string
// and character literals gone, digraphs read as what they stand for.
std::vector<Token> Tokens(const std::string& raw) {
    std::string src;
    std::vector<int> lineOf;
    int line = 1;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\\' && i + 1 < raw.size() && raw[i + 1] == '\n') {
            ++i;
            ++line;
            continue;
        }
        src += raw[i];
        lineOf.push_back(line);
        if (raw[i] == '\n') ++line;
    }
    static const char* kPunct[] = {"<<=", ">>=", "%:%:", "...", "->*", "::", "++", "--", "+=", "-=", "*=", "/=",
                                   "%=",  "&=",  "|=",   "^=",  "==",  "!=", "<=", ">=", "&&", "||", "->", "<<",
                                   ">>",  "<:",  ":>",   "<%",  "%>",  "%:", ".*", "##"};
    std::vector<Token> out;
    std::size_t i = 0;
    while (i < src.size()) {
        const char c = src[i];
        const int at = lineOf[i];
        if (std::isspace(static_cast<unsigned char>(c))) {
            ++i;
        } else if (src.compare(i, 2, "//") == 0) {
            while (i < src.size() && src[i] != '\n') ++i;
        } else if (src.compare(i, 2, "/*") == 0) {
            const std::size_t end = src.find("*/", i + 2);
            i = end == std::string::npos ? src.size() : end + 2;
        } else if (c == 'R' && i + 1 < src.size() && src[i + 1] == '"') {
            const std::size_t open = src.find('(', i + 2);
            const std::string close = ")" + src.substr(i + 2, open - i - 2) + "\"";
            const std::size_t end = open == std::string::npos ? std::string::npos : src.find(close, open);
            i = end == std::string::npos ? src.size() : end + close.size();
            out.push_back({"\"\"", at});
        } else if (c == '"' || c == '\'') {
            std::size_t j = i + 1;
            while (j < src.size() && src[j] != c && src[j] != '\n') j += src[j] == '\\' ? 2 : 1;
            i = j + 1;
            out.push_back({"\"\"", at});
        } else if (std::isalnum(static_cast<unsigned char>(c)) || c == '_') {
            std::size_t j = i;
            while (j < src.size() && (std::isalnum(static_cast<unsigned char>(src[j])) || src[j] == '_')) ++j;
            out.push_back({src.substr(i, j - i), at});
            i = j;
        } else {
            std::string p(1, c);
            for (const char* q : kPunct)
                if (src.compare(i, std::char_traits<char>::length(q), q) == 0) {
                    p = q;
                    break;
                }
            i += p.size();
            static const std::pair<const char*, const char*> kDigraphs[] = {
                {"%:", "#"}, {"%:%:", "##"}, {"<:", "["}, {":>", "]"}, {"<%", "{"}, {"%>", "}"}};
            for (const auto& [digraph, is] : kDigraphs)
                if (p == digraph) p = is;
            out.push_back({p, at});
        }
    }
    return out;
}

// The casts that take an object's own bytes for something else.
bool Reinterprets(const std::string& t) {
    return t == "reinterpret_cast" || t == "bit_cast" || t == "addressof" || t == "__builtin_addressof";
}

// The `<` that the `>` or `>>` at `close` ends, or `close` itself.
std::size_t OpeningAngle(const std::vector<Token>& t, std::size_t close) {
    int depth = 0;
    for (std::size_t j = close + 1; j-- > 0;) {
        if (t[j].text == ">") ++depth;
        if (t[j].text == ">>") depth += 2;
        if (t[j].text == "<" && --depth <= 0) return j;
    }
    return close;
}

// Each place in `source` that takes a hold word's view for the word's own
// storage, as "line N: what": a reinterpret_cast, bit_cast or addressof of
// it, a C-style cast of it to a reference or a pointer, or a macro that
// could hide either (one that reinterprets or pastes names together).
std::vector<std::string> ReinterpretedHoldWords(const std::string& source) {
    const std::vector<Token> t = Tokens(source);
    std::vector<std::string> found;
    const auto say = [&found](int line, const std::string& what) {
        found.push_back("line " + std::to_string(line) + ": " + what);
    };
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i].text == "#") {
            for (std::size_t j = i + 1; j < t.size() && t[j].line == t[i].line; ++j) {
                const std::string& k = t[j].text;
                if (Reinterprets(k) || k == "##" || (k == ")" && (t[j - 1].text == "&" || t[j - 1].text == "*")))
                    say(t[j].line, "a macro that could hide a cast of a hold word (" + k + ")");
            }
            continue;
        }
        if (!IsHoldWord(t[i].text)) continue;
        std::size_t open = i;   // the first of the parentheses around the word
        while (open > 0 && t[open - 1].text == "(") --open;
        if (open == 0) continue;
        const std::string& before = t[open - 1].text;
        if (open < i && Reinterprets(before)) say(t[i].line, before + " of " + t[i].text);
        if (open < i && (before == ">" || before == ">>")) {
            const std::size_t angle = OpeningAngle(t, open - 1);
            if (angle > 0 && Reinterprets(t[angle - 1].text)) say(t[i].line, t[angle - 1].text + " of " + t[i].text);
        }
        if (before == ")" && open >= 2 && (t[open - 2].text == "&" || t[open - 2].text == "&&" || t[open - 2].text == "*"))
            say(t[i].line, "a C-style cast of " + t[i].text);
    }
    return found;
}

// Each cast of a hold word in the files under `root`, as "file line N: what",
// and how many files were read. Every file is read whatever its name (an
// include takes any file: a .tpp, a file without an extension), but for
// git's own, the build folders' (those holding a CMakeCache.txt, whose
// sources are made from the tree's), the writes planted under `planted`,
// and files holding a NUL byte, which no compiler reads as source.
std::vector<std::string> CastsUnder(const fs::path& root, const fs::path& planted, int& read) {
    std::vector<std::string> found;
    read = 0;
    for (auto e = fs::recursive_directory_iterator(root); e != fs::recursive_directory_iterator(); ++e) {
        const fs::path& p = e->path();
        if (e->is_directory() && (p.filename() == ".git" || p == planted || fs::exists(p / "CMakeCache.txt"))) {
            e.disable_recursion_pending();
            continue;
        }
        if (!e->is_regular_file() || p.filename() == ".git") continue;
        const std::string text = ReadAll(p);
        if (text.find('\0') != std::string::npos) continue;
        ++read;
        for (const std::string& w : ReinterpretedHoldWords(text))
            found.push_back(fs::relative(p, root).generic_string() + " " + w);
    }
    return found;
}

// The lines of a planted file marked "// planted", as "file:line".
std::set<std::string> MarkedLines(const fs::path& p) {
    std::set<std::string> marked;
    std::istringstream lines(ReadAll(p));
    int n = 0;
    for (std::string line; std::getline(lines, line);) {
        ++n;
        if (line.find("// planted") != std::string::npos) marked.insert(p.filename().string() + ":" + std::to_string(n));
    }
    return marked;
}

}  // namespace

TEST(HoldWords, NoFileTakesAViewForTheWord) {
    const fs::path root = QM_SOURCE_DIR;
    int read = 0;
    for (const std::string& cast : CastsUnder(root, root / "tests/holds/planted", read)) ADD_FAILURE() << cast;
    EXPECT_GT(read, 600) << "the game's sources were not found under " << root;
}

// The check reads what an include could open, whatever its name, and leaves
// out only a build folder, the planted writes and what is no text.
TEST(HoldWords, TheSourceCheckReadsEveryFileAnIncludeCouldOpen) {
    const fs::path root = FreshFolder("cast_tree");
    ASSERT_FALSE(root.empty());
    const std::string cast = "(std::int32_t&)MessageBoxOpen = 1;\n";
    const std::pair<const char*, std::string> files[] = {
        {"core/holds_impl.tpp", cast},      {"text/words", cast},        {"areas/a.cpp", "x = MessageBoxOpen;\n"},
        {"build/CMakeCache.txt", ""},       {"build/made.h", cast},      {"planted/p.cpp", cast},
        {"docs/picture.png", std::string("\x89PNG\0", 5) + cast},
    };
    for (const auto& [name, text] : files) {
        fs::create_directories((root / name).parent_path());
        std::ofstream(root / name, std::ios::binary) << text;
    }
    int read = 0;
    std::vector<std::string> found = CastsUnder(root, root / "planted", read);
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (std::vector<std::string>{"core/holds_impl.tpp line 1: a C-style cast of MessageBoxOpen",
                                               "text/words line 1: a C-style cast of MessageBoxOpen"}));
    EXPECT_EQ(read, 3);
    fs::remove_all(root);
}

TEST(HoldWords, EveryCastOfAViewIsRefusedAndReadsPass) {
    struct Case {
        const char* source;
        bool refused;
    };
    const Case cases[] = {
        {"(std::int32_t&)MessageBoxOpen = 1;", true},
        {"(int &&)(EventHoldsPlayer);", true},
        {"*(std::int32_t*)(( MenuKeyBlocked )) = 1;", true},
        {"const_cast<int&>(reinterpret_cast<const int&>(PlayerKeysBlocked)) = 1;", true},
        {"std::memset(std::addressof(MessageBoxOpen), 1, 4);", true},
        {"*reinterpret_cast<std::vector<int>*>(__builtin_addressof /* x */ (MenuKeyBlocked)) = {};", true},
        {"x = std::bit_cast<std::array<char, 1>>(Message\\\nBoxOpen);", true},
        {"%:define AS_WORD(w) reinterpret_cast<const int&>(w)", true},
        {"#define WORD(w) (int&)(w)", true},
        {"#define GLUE(a, b) a ## b", true},
        {"if (MessageBoxOpen == 0 && !EventHoldsPlayer) x = static_cast<std::int32_t>(MenuKeyBlocked);", false},
        {"y = (a & MessageBoxOpen) * (b) + (c)*(PlayerKeysBlocked); f(x)(MenuKeyBlocked);", false},
        {"const std::int32_t& r = MessageBoxOpen; auto v = std::int64_t{EventHoldsPlayer};", false},
        {"// (int&)MessageBoxOpen = 1 once\nPrint(\"std::addressof(MessageBoxOpen)\", '#');", false},
        {"#define HEROINE \"リシェル：\"\nf(R\"(reinterpret_cast<int&>(EventHoldsPlayer))\");", false},
    };
    for (const Case& c : cases) EXPECT_EQ(!ReinterpretedHoldWords(c.source).empty(), c.refused) << c.source;
}

// Every line of planted/ marked "// planted" writes a hold word; each must
// be refused by the compiler, and no other line may fail (a file failing
// for another reason shows nothing).
TEST(HoldWords, NoWriteOutsideTheHoldsCompiles) {
    const fs::path root = QM_SOURCE_DIR;
    const fs::path planted = root / "tests/holds/planted";
    std::set<std::string> marked;   // "file:line"
    std::vector<fs::path> programs;
    for (const auto& e : fs::directory_iterator(planted)) {
        if (!e.is_regular_file()) continue;
        marked.merge(MarkedLines(e.path()));
        if (e.path().extension() == ".cpp") programs.push_back(e.path());
    }
    ASSERT_GE(programs.size(), 4u);
    ASSERT_GE(marked.size(), 25u);
    // An error, or where an instantiation that failed was asked for.
    const std::regex diagnostic(R"(^(.*):([0-9]+):[0-9]+:( error:|   required from here))");
    std::set<std::string> refused;
    for (const fs::path& program : programs) {
        const auto [said, status] = RunCommand(std::string(QM_CXX_COMPILER) + " -std=c++20 -fsyntax-only -w " +
                                        "-fno-diagnostics-show-caret -I" + Quoted(root) + " " + Quoted(program));
        EXPECT_NE(status, 0) << program.filename() << " compiles";
        std::istringstream lines(said);
        for (std::string line; std::getline(lines, line);) {
            std::smatch m;
            if (!std::regex_search(line, m, diagnostic)) continue;
            const fs::path file = m[1].str();
            if (file.parent_path() != planted) continue;   // the library's own lines of an instantiation
            const std::string at = file.filename().string() + ":" + m[2].str();
            refused.insert(at);
            if (m[3] == " error:" && marked.count(at) == 0)
                ADD_FAILURE() << "an error where nothing was planted: " << line;
        }
    }
    for (const std::string& at : marked) EXPECT_EQ(refused.count(at), 1u) << at << " compiles";
}

// Writes that do compile land on a copy of the value, never on a word.
TEST(HoldWords, AWriteThatCompilesReachesNoWord) {
    const auto words = [] {
        return MessageBoxOpen * 1000 + EventHoldsPlayer * 100 + MenuKeyBlocked * 10 + PlayerKeysBlocked;
    };
    HoldForTest(kEveryHoldKind);
    ASSERT_EQ(words(), 1111);
    struct Watch {
        const std::int32_t& word;
    };
    const Watch watch{EventHoldsPlayer};
    const std::int32_t& bound = MessageBoxOpen;
    const auto clear = [](const auto& word) {
        const_cast<std::int32_t&>(static_cast<const std::int32_t&>(word)) = 0;
    };
    const_cast<std::int32_t&>(watch.word) = 0;
    const_cast<std::int32_t&>(bound) = 0;
    clear(MenuKeyBlocked);
    clear(PlayerKeysBlocked);
    EXPECT_EQ(words(), 1111);
    LetGoForTest();
    EXPECT_EQ(words(), 0) << "the holds still say what the words are";
}

// The record is core/holds.cpp's own: whatever another file declares, it
// cannot link to it.
TEST(HoldWords, TheRecordLinksToNothingOutsideTheHolds) {
    const auto [said, status] = RunCommand(std::string(QM_NM) + " -C " + Quoted(QM_CORE_LIBRARY));
    ASSERT_EQ(status, 0) << said;
    std::istringstream lines(said);
    int seen = 0;
    for (std::string line; std::getline(lines, line);) {
        if (line.find("gHoldWords") == std::string::npos) continue;
        ++seen;
        // "address type name"; a lower-case type other than u, v, w is local.
        std::istringstream words(line);
        std::string address, type;
        words >> address >> type;
        EXPECT_TRUE(type.size() == 1 && std::islower(static_cast<unsigned char>(type[0])) &&
                    std::string("uvw").find(type[0]) == std::string::npos)
            << line;
    }
    EXPECT_GE(seen, 1) << "no record of the words in " << QM_CORE_LIBRARY;
}

// A read of a word is an ordinary routine that only core/holds.cpp defines:
// a second definition of it fails the link, as a second definition of any
// routine of the game does. Each program of planted/links/ is linked with
// the core library as the game links it (every object taken); what the
// game's other layers would give it is left out.
TEST(HoldWords, ASecondReadOfAWordFailsTheBuild) {
    const fs::path links = fs::path(QM_SOURCE_DIR) / "tests/holds/planted/links";
    const fs::path folder = FreshFolder("planted_second_read");
    ASSERT_FALSE(folder.empty());
    const fs::path out = folder / "program";
    // A compiler's error, or either definition the link found twice, at
    // file:line (a line of the link's may name both).
    const std::regex refusal(R"(([^ :']+):([0-9]+):([0-9]+:)? (error:|multiple definition of|first defined here))");
    int programs = 0;
    for (const auto& e : fs::directory_iterator(links)) {
        if (!e.is_regular_file() || e.path().extension() != ".cpp") continue;
        ++programs;
        const std::set<std::string> marked = MarkedLines(e.path());
        ASSERT_FALSE(marked.empty()) << e.path().filename();
        const auto [said, status] = RunCommand(
            std::string(QM_CXX_COMPILER) + " -std=c++20 -g -w -fno-diagnostics-show-caret -I" + Quoted(QM_SOURCE_DIR) +
            " " + Quoted(e.path()) + " -o " + Quoted(out) + " -Wl,--whole-archive " + Quoted(QM_CORE_LIBRARY) +
            " -Wl,--no-whole-archive -Wl,--unresolved-symbols=ignore-all");
        EXPECT_NE(status, 0) << e.path().filename() << " builds and links";
        std::set<std::string> refused;
        std::istringstream lines(said);
        for (std::string line; std::getline(lines, line);) {
            for (std::sregex_iterator m(line.begin(), line.end(), refusal), end; m != end; ++m) {
                if (fs::path((*m)[1].str()).filename() != e.path().filename()) continue;
                const std::string at = e.path().filename().string() + ":" + (*m)[2].str();
                refused.insert(at);
                if (marked.count(at) == 0) ADD_FAILURE() << "refused where nothing was planted: " << line;
            }
        }
        for (const std::string& at : marked) EXPECT_EQ(refused.count(at), 1u) << at << " is not refused:\n" << said;
    }
    EXPECT_GE(programs, 1) << "no planted program in " << links;
    fs::remove_all(folder);
}
