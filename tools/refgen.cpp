// Prints the reference parts of the user documentation from the program's
// own tables: the keys from the built-in accelerator table, the template
// language from the token menu's table, the capture keys of a first start
// from the built-in key list. Built natively with the core; its text is in
// the same code page as the core's (code page 932).
//
//   refgen readme TEMPLATE VERSION OUT   the Japanese readme.txt: TEMPLATE
//                                        (code page 932) with @VERSION@,
//                                        @KEYS@, @BUILTIN_KEYS@, @TOKENS@ and
//                                        @ESCAPES@ filled in, CR LF line ends
//   refgen check-readme README.md        1 when a generated block of the
//                                        English README differs
//   refgen update-readme README.md       rewrites those blocks
//
// A generated block of README.md runs from "<!-- reference:NAME -->" to
// "<!-- /reference -->"; NAME is keys, builtin-keys, tokens or escapes.
#include <stdio.h>
#include <string.h>

#include <string>

#include "app/BuiltinCopyKeys.h"
#include "copykey/CaptureMenuLabel.h"
#include "copykey/KeyBindings.h"
#include "copykey/KeyCombo.h"
#include "template/TokenMenuTable.h"

namespace {

enum Language { Japanese, English };

std::string Format(const char* fmt, const char* a, const char* b) {
    char line[512];
    snprintf(line, sizeof(line), fmt, a, b);
    return line;
}

// Two columns: the key or token padded to width, then its meaning. The
// English reference is a Markdown table instead.
std::string Row(Language lang, int width, const std::string& left, const char* right) {
    if (lang == English)
        return "| `" + left + "` | " + right + " |\n";
    std::string s = "  " + left;
    s.append(left.size() < (size_t)width ? (size_t)width - left.size() : 1, ' ');
    return s + right + "\n";
}

std::string TableHead(Language lang, const char* left, const char* right) {
    return lang == English ? Format("| %s | %s |\n|---|---|\n", left, right) : "";
}

std::string KeysReference(Language lang) {
    std::string s = TableHead(lang, "Key", "What it does");
    for (const FixedAccel& a : FixedAccelTable) {
        char label[AccelLabelSize];
        FormatAccelLabel(a.Command, label);
        s += Row(lang, 16, label, lang == English ? a.English : a.Japanese);
    }
    return s;
}

const char* const kGradientsEnglish[] = {"", ", gradient to the right", ", gradient to the left",
                                         ", gradient downwards", ", gradient upwards"};

std::string BuiltinKeysReference(Language lang) {
    CopyKeyList list = nullptr;
    AddBuiltinCopyKeys(&list);
    std::string s = TableHead(lang, "Key", "What it copies");
    CopyKey key;
    for (int i = 0; GetCopyKey(&list, i, &key); i++) {
        if (key.Kind == CopyKindSeparator)
            continue;
        char name[256];
        FormatKeyNameWith(key.ShortcutKey, name, nullptr);
        std::string what;
        if (key.Kind == CopyKindText) {
            what = (lang == English ? "text " : "テキスト ") + std::string(key.Format);
        } else if (lang == English) {
            char size[64];
            snprintf(size, sizeof(size), "image %d x %d", key.Width, key.Height);
            int g = key.Gradient >= 0 && key.Gradient <= 4 ? key.Gradient : 3;
            what = std::string(size) + (key.Invert == 1 ? ", inverted" : "") + kGradientsEnglish[g];
        } else {
            // The capture menu's own description of an image key.
            char label[CaptureLabelSize];
            FormatCaptureMenuLabel(&key, nullptr, label);
            what = label;
            what.replace(what.find('\t'), 1, " ");
        }
        s += Row(lang, 16, name, what.c_str());
    }
    ClearCopyKeys(&list);
    return s;
}

// Every bracket token (escapes = 0) or every escape, in menu order.
std::string TokensReference(Language lang, int escapes) {
    std::string s = TableHead(lang, escapes ? "Escape" : "Token", "Meaning");
    for (int i = 0; i < TokenMenuItemCount; i++) {
        const TokenMenuItem& item = TokenMenuItems[i];
        if (item.Id == 0 || IsEscapeItem(&item) != escapes)
            continue;
        std::string token = item.Token;
        // A backslash in a Markdown code span stands for itself.
        s += Row(lang, escapes ? 6 : 14, token, lang == English ? item.English : item.Description);
    }
    return s;
}

std::string Reference(const std::string& name, Language lang) {
    if (name == "keys")
        return KeysReference(lang);
    if (name == "builtin-keys")
        return BuiltinKeysReference(lang);
    if (name == "tokens")
        return TokensReference(lang, 0);
    if (name == "escapes")
        return TokensReference(lang, 1);
    return "";
}

bool ReadFile(const char* path, std::string* out) {
    FILE* f = fopen(path, "rb");
    if (!f)
        return false;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof(buf), f)) > 0)
        out->append(buf, n);
    fclose(f);
    return true;
}

bool WriteFile(const char* path, const std::string& bytes) {
    FILE* f = fopen(path, "wb");
    if (!f)
        return false;
    bool ok = fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return fclose(f) == 0 && ok;
}

void ReplaceAll(std::string* s, const std::string& from, const std::string& to) {
    for (size_t at = s->find(from); at != std::string::npos; at = s->find(from, at + to.size()))
        s->replace(at, from.size(), to);
}

int MakeReadme(const char* templatePath, const char* version, const char* outPath) {
    std::string text;
    if (!ReadFile(templatePath, &text)) {
        fprintf(stderr, "refgen: cannot read %s\n", templatePath);
        return 2;
    }
    ReplaceAll(&text, "@VERSION@", version);
    for (const char* name : {"KEYS", "BUILTIN_KEYS", "TOKENS", "ESCAPES"}) {
        std::string key = name;
        std::string lower;
        for (char c : key)
            lower += c == '_' ? '-' : (char)(c - 'A' + 'a');
        // The placeholder stands on a line of its own.
        ReplaceAll(&text, "@" + key + "@\n", Reference(lower, Japanese));
    }
    std::string crlf;
    for (char c : text) {
        if (c == '\r')
            continue;
        if (c == '\n')
            crlf += '\r';
        crlf += c;
    }
    return WriteFile(outPath, crlf) ? 0 : 2;
}

// The README with each generated block made anew.
std::string UpdatedReadme(const std::string& readme) {
    const std::string open = "<!-- reference:", close = "<!-- /reference -->";
    std::string out;
    size_t at = 0;
    for (;;) {
        size_t start = readme.find(open, at);
        if (start == std::string::npos)
            break;
        size_t nameEnd = readme.find(" -->", start);
        size_t end = readme.find(close, nameEnd);
        if (nameEnd == std::string::npos || end == std::string::npos)
            break;
        std::string name = readme.substr(start + open.size(), nameEnd - start - open.size());
        size_t bodyStart = nameEnd + 4 + 1;  // the marker's line end
        out += readme.substr(at, bodyStart - at) + Reference(name, English);
        at = end;
    }
    return out + readme.substr(at);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 5 && strcmp(argv[1], "readme") == 0)
        return MakeReadme(argv[2], argv[3], argv[4]);
    if (argc == 3 && (strcmp(argv[1], "check-readme") == 0 || strcmp(argv[1], "update-readme") == 0)) {
        std::string readme;
        if (!ReadFile(argv[2], &readme)) {
            fprintf(stderr, "refgen: cannot read %s\n", argv[2]);
            return 2;
        }
        std::string updated = UpdatedReadme(readme);
        if (argv[1][0] == 'u')
            return WriteFile(argv[2], updated) ? 0 : 2;
        if (updated != readme) {
            fprintf(stderr, "refgen: the reference in %s differs from the program's tables; "
                            "run refgen update-readme %s\n", argv[2], argv[2]);
            return 1;
        }
        printf("refgen: the reference in %s matches the program's tables\n", argv[2]);
        return 0;
    }
    fprintf(stderr, "usage: refgen readme TEMPLATE VERSION OUT | check-readme README | update-readme README\n");
    return 2;
}
