// The effect file: its parameters are declared in a small HLSL-like file and
// set every frame; nothing is drawn with it, so only the parameters are kept.
#include "platform/common/internal.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <map>

namespace plat::detail {

namespace {

enum class ParamKind { Matrix, Float };

struct Param {
    ParamKind kind = ParamKind::Float;
    Matrix matrix = MatrixIdentity();
    float value = 0;
};

struct EffectState {
    bool loaded = false;
    std::map<std::string, Param, std::less<>> params;
};

EffectState& State() {
    // Never destroyed: the exit handlers that release SDL objects still need it.
    static EffectState& s = *new EffectState();
    return s;
}

// Top-level declarations "<type> <name>" with type float4x4/matrix or float.
void ParseDeclarations(const std::string& text, std::map<std::string, Param, std::less<>>& params) {
    std::vector<std::string> tokens;
    std::size_t i = 0;
    int depth = 0;
    std::vector<int> tokenDepth;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '/' && i + 1 < text.size() && text[i + 1] == '/') {
            while (i < text.size() && text[i] != '\n') ++i;
        } else if (c == '/' && i + 1 < text.size() && text[i + 1] == '*') {
            const std::size_t end = text.find("*/", i + 2);
            i = end == std::string::npos ? text.size() : end + 2;
        } else if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
            std::size_t j = i;
            while (j < text.size() && (std::isalnum(static_cast<unsigned char>(text[j])) || text[j] == '_')) ++j;
            tokens.push_back(text.substr(i, j - i));
            tokenDepth.push_back(depth);
            i = j;
        } else {
            if (c == '{' || c == '(') ++depth;
            if ((c == '}' || c == ')') && depth > 0) --depth;
            if (c == ';' || c == '{' || c == '}' || c == '(' || c == ')' || c == ':' || c == '=') {
                tokens.push_back(std::string(1, c));
                tokenDepth.push_back(depth);
            }
            ++i;
        }
    }
    for (std::size_t t = 0; t + 2 < tokens.size(); ++t) {
        if (tokenDepth[t] != 0) continue;
        const bool atStart = t == 0 || tokens[t - 1] == ";" || tokens[t - 1] == "}";
        if (!atStart) continue;
        ParamKind kind;
        if (tokens[t] == "float4x4" || tokens[t] == "matrix") kind = ParamKind::Matrix;
        else if (tokens[t] == "float") kind = ParamKind::Float;
        else continue;
        const std::string& name = tokens[t + 1];
        const std::string& next = tokens[t + 2];
        if (next != ";" && next != "=" && next != ":") continue;   // a function, not a parameter
        Param p;
        p.kind = kind;
        params[name] = p;
    }
}

}  // namespace

bool EffectLoaded() { return State().loaded; }

bool EffectGetMatrix(const char* name, Matrix& out) {
    const auto& params = State().params;
    auto it = name ? params.find(std::string_view(name)) : params.end();
    if (it == params.end() || it->second.kind != ParamKind::Matrix) return false;
    out = it->second.matrix;
    return true;
}

bool EffectGetFloat(const char* name, float& out) {
    const auto& params = State().params;
    auto it = name ? params.find(std::string_view(name)) : params.end();
    if (it == params.end() || it->second.kind != ParamKind::Float) return false;
    out = it->second.value;
    return true;
}

}  // namespace plat::detail

namespace plat {

using namespace detail;

bool EffectCreate(const char* path) {
    EffectState& st = State();
    st.loaded = false;
    st.params.clear();
    std::string why;
    std::FILE* f = OpenRegularFile(path, &why);
    if (!f) {
        std::fprintf(stderr, "The effect file '%s' could not be opened: %s.\n", path ? path : "", why.c_str());
        return false;
    }
    std::string text;
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
    std::fclose(f);
    ParseDeclarations(text, st.params);
    static const struct {
        const char* name;
        ParamKind kind;
    } kNeeded[] = {
        {"g_mWorldViewProjection", ParamKind::Matrix},
        {"g_mWorld", ParamKind::Matrix},
        {"g_fTime", ParamKind::Float},
    };
    for (const auto& need : kNeeded) {
        auto it = st.params.find(std::string_view(need.name));
        if (it == st.params.end() || it->second.kind != need.kind) {
            std::fprintf(stderr, "The effect file '%s' does not declare the parameter %s.\n", path, need.name);
            st.params.clear();
            return false;
        }
    }
    st.loaded = true;
    return true;
}

void EffectRelease() {
    State().loaded = false;
    State().params.clear();
}

void EffectSetMatrix(const char* name, const Matrix& value) {
    auto& params = State().params;
    auto it = name ? params.find(std::string_view(name)) : params.end();
    if (it != params.end() && it->second.kind == ParamKind::Matrix) it->second.matrix = value;
}

void EffectSetFloat(const char* name, float value) {
    auto& params = State().params;
    auto it = name ? params.find(std::string_view(name)) : params.end();
    if (it != params.end() && it->second.kind == ParamKind::Float) it->second.value = value;
}

}  // namespace plat
