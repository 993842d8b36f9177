// Only core/holds.cpp writes the hold words: every other write is a hold
// nobody owns, the shape of every lock in which her keys stayed dead or a
// line stayed up with nobody left to let go. The game's sources are read as
// the compiler reads them (comments, strings and line continuations taken
// out, tokens whole), so no spelling of a write slips past; the planted
// writes below are tried on every run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

// The words, and the storage behind them, which nothing but the holds names.
const std::vector<std::string> kHoldWords = {"MessageBoxOpen", "EventHoldsPlayer", "MenuKeyBlocked",
                                             "PlayerKeysBlocked"};
constexpr const char* kStorage = "gHoldWords";
// The holds themselves, which keep the words.
const std::vector<std::string> kHoldsFiles = {"core/holds.h", "core/holds.cpp"};

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
                                   ">>",  "<:",  ":>",   "<%",  "%>",  "%:", ".*"};
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

bool IsAssignment(const std::string& t) {
    static const char* kOps[] = {"=", "+=", "-=", "*=", "/=", "%=", "&=", "|=", "^=", "<<=", ">>=", "++", "--"};
    return std::any_of(std::begin(kOps), std::end(kOps), [&t](const char* op) { return t == op; });
}

// A token after which `&` or `*` is an operator between two values.
bool EndsAValue(const std::string& t) {
    return t == ")" || t == "]" || t == "\"\"" || std::isalnum(static_cast<unsigned char>(t[0])) || t[0] == '_';
}

// Each write of a hold word in `source`, as "line N: what".
std::vector<std::string> HoldWordWrites(const std::string& source) {
    const std::vector<Token> t = Tokens(source);
    std::vector<std::string> found;
    const auto say = [&found](int line, const std::string& what) {
        found.push_back("line " + std::to_string(line) + ": " + what);
    };
    for (std::size_t i = 0; i < t.size(); ++i) {
        // A macro naming a hold word writes it wherever it is used.
        if (t[i].text == "#") {
            for (std::size_t j = i + 1; j < t.size() && t[j].line == t[i].line; ++j)
                if (IsHoldWord(t[j].text)) say(t[j].line, "a preprocessor line names " + t[j].text);
            continue;
        }
        if (t[i].text == kStorage) say(t[i].line, std::string(kStorage) + " named outside the holds");
        if (!IsHoldWord(t[i].text)) continue;
        const std::string& w = t[i].text;
        const std::string next = i + 1 < t.size() ? t[i + 1].text : "";
        const std::string prev = i > 0 ? t[i - 1].text : "";
        const std::string before = i > 1 ? t[i - 2].text : "";
        if (IsAssignment(next)) say(t[i].line, w + " " + next);
        if (prev == "++" || prev == "--") say(t[i].line, prev + w);
        // Its address taken, or a reference that can write it bound to it.
        if (prev == "&" && !EndsAValue(before)) say(t[i].line, "&" + w);
        if ((prev == "=" || prev == "{" || prev == "(") && i > 2 && t[i - 3].text == "&") {
            bool readOnly = false;
            for (std::size_t j = i - 3; j > 0 && i - j < 10; --j) {
                const std::string& k = t[j - 1].text;
                if (k == ";" || k == "{" || k == "}" || k == "(" || k == ",") break;
                if (k == "const") readOnly = true;
            }
            if (!readOnly) say(t[i].line, "a reference bound to " + w);
        }
        // Casts and library calls that write through it.
        for (std::size_t j = (i >= 6 ? i - 6 : 0); j < i; ++j) {
            const std::string& k = t[j].text;
            if (k == "const_cast" || k == "reinterpret_cast" || k == "swap" || k == "exchange" || k == "memset" ||
                k == "memcpy" || k == "fill" || k == "fill_n" || k == "copy")
                say(t[i].line, k + " over " + w);
        }
    }
    return found;
}

std::string ReadAll(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

TEST(HoldWords, NothingButTheHoldsWritesTheHoldWords) {
    const std::filesystem::path root = QM_SOURCE_DIR;
    int read = 0;
    for (const char* folder : {"core", "text", "areas", "world", "shell", "platform", "tools"}) {
        for (const auto& e : std::filesystem::recursive_directory_iterator(root / folder)) {
            const std::string ext = e.path().extension().string();
            if (!e.is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
            const std::string rel = std::filesystem::relative(e.path(), root).generic_string();
            if (std::find(kHoldsFiles.begin(), kHoldsFiles.end(), rel) != kHoldsFiles.end()) continue;
            ++read;
            for (const std::string& w : HoldWordWrites(ReadAll(e.path()))) ADD_FAILURE() << rel << " " << w;
        }
    }
    EXPECT_GT(read, 300) << "the game's sources were not found under " << root;
}

TEST(HoldWords, EverySpellingOfAWriteIsRefusedAndReadsPass) {
    struct Case {
        const char* source;
        bool refused;
    };
    const Case cases[] = {
        {"MessageBoxOpen = 1;", true},
        {"x=EventHoldsPlayer=0;", true},
        {"MessageBoxOpen /* held */ = 1;", true},
        {"Message\\\nBoxOpen = 1;", true},
        {"++PlayerKeysBlocked;", true},
        {"MenuKeyBlocked--;", true},
        {"MessageBoxOpen |= 1;", true},
        {"std::int32_t* p = &MessageBoxOpen;", true},
        {"std::int32_t& r = EventHoldsPlayer;", true},
        {"Words w{&MenuKeyBlocked};", true},
        {"const_cast<std::int32_t&>(MessageBoxOpen) = 1;", true},
        {"std::swap(x, PlayerKeysBlocked);", true},
        {"#define HOLD MessageBoxOpen", true},
        {"%:define HOLD EventHoldsPlayer", true},
        {"gHoldWords.keys = 1;", true},
        {"if (MessageBoxOpen == 0 && EventHoldsPlayer != 1) x = MenuKeyBlocked;", false},
        {"y = a & MessageBoxOpen; z = a && PlayerKeysBlocked; w = MenuKeyBlocked <= 1 || b >= MessageBoxOpen;", false},
        {"const std::int32_t& r = MessageBoxOpen;", false},
        {"// MessageBoxOpen = 1 here once\nPrint(\"MessageBoxOpen = 1\", 'x');", false},
        {"f(R\"(EventHoldsPlayer = 1)\");", false},
    };
    for (const Case& c : cases) EXPECT_EQ(!HoldWordWrites(c.source).empty(), c.refused) << c.source;
}
