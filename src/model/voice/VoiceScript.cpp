#include "model/voice/VoiceScript.h"

#include <algorithm>

#include "platform/TextCase.h"

namespace quillon {
namespace {

// The games' token buffer holds this many bytes and a NUL.
constexpr size_t kLongestToken = 1023;

// The games' tokenizer: blanks are every byte up to the space and, char being signed, every
// byte above 127; "//" and "/* */" are comments where a token would start.
class Tokens {
  public:
    Tokens(const std::string& text, const EngineRules& rules) : text_(text), rules_(rules) {}

    // The next token; empty at the end. With `sameLine`, empty when the next token is on a later
    // line.
    std::string Next(bool sameLine = false) {
        bool newLine = false;
        for (;;) {
            while (at_ < text_.size() && IsBlank(text_[at_])) {
                newLine = newLine || text_[at_] == '\n';
                ++at_;
            }
            if (text_.compare(at_, 2, "//") == 0) {
                while (at_ < text_.size() && text_[at_] != '\n') {
                    ++at_;
                }
            } else if (text_.compare(at_, 2, "/*") == 0) {
                const size_t end = text_.find("*/", at_ + 2);
                at_ = end == std::string::npos ? text_.size() : end + 2;
            } else {
                break;
            }
        }
        if (at_ >= text_.size() || (sameLine && newLine)) {
            return {};
        }
        return text_[at_] == '"' ? Quoted() : Word();
    }

    size_t Position() const { return at_; }
    void Return(size_t position) { at_ = position; }

  private:
    static bool IsBlank(char c) { return static_cast<signed char>(c) <= ' '; }

    std::string Quoted() {
        std::string token;
        bool inner = false;  // between a \" and the next: a plain quote is text there
        ++at_;
        while (at_ < text_.size()) {
            const char c = text_[at_++];
            if (rules_.quoteEscapes && c == '\\' && at_ < text_.size() && text_[at_] == '"') {
                ++at_;
                inner = !inner;
                Append(token, '"');
            } else if (c == '"' && !inner) {
                break;
            } else {
                Append(token, c);
            }
        }
        return token;
    }

    std::string Word() {
        const size_t start = at_;
        while (at_ < text_.size() && !IsBlank(text_[at_])) {
            ++at_;
        }
        const size_t length = at_ - start;
        if (length > kLongestToken && !rules_.cutsLongWords) {
            return {};  // the games drop it, and read the empty token as the end
        }
        return text_.substr(start, std::min(length, kLongestToken));
    }

    static void Append(std::string& token, char c) {
        if (token.size() < kLongestToken) {
            token += c;
        }
    }

    const std::string& text_;
    const EngineRules& rules_;
    size_t at_ = 0;
};

std::string Cut(const std::string& text, size_t longest) {
    return text.substr(0, longest);
}

}  // namespace

const VoiceChat* VoiceChats::Find(const std::string& name) const {
    const auto found = std::find_if(chats.begin(), chats.end(), [&](const VoiceChat& chat) {
        return SameIgnoringCase(chat.name, name);
    });
    return found == chats.end() ? nullptr : &*found;
}

VoiceChats ParseVoiceChats(const std::string& script, const EngineRules& rules) {
    VoiceChats read;
    if (script.size() > rules.largestVoiceScript) {
        read.problem = "it is larger than the " + std::to_string(rules.largestVoiceScript) +
                       " bytes the game reads";
        return read;
    }
    // A NUL ends the text for the game.
    const std::string text = script.substr(0, script.find('\0'));
    Tokens tokens(text, rules);
    const std::string gender = tokens.Next();
    if (gender.empty()) {
        return read;
    }
    if (!SameIgnoringCase(gender, "male") && !SameIgnoringCase(gender, "female") &&
        !SameIgnoringCase(gender, "neuter")) {
        read.problem = "it does not begin with male, female or neuter";
        return read;
    }
    while (read.chats.size() < rules.mostChats) {
        VoiceChat chat;
        chat.name = Cut(tokens.Next(), kLongestChatName);
        if (chat.name.empty()) {
            return read;
        }
        const std::string open = tokens.Next();
        if (open != "{") {
            read.problem = "\"{\" was expected after \"" + chat.name + "\", not \"" + open + "\"";
            return read;
        }
        for (;;) {
            const std::string sound = tokens.Next();
            if (sound.empty()) {
                read.problem = "it ends inside \"" + chat.name + "\"";
                return read;
            }
            if (sound == "}") {
                break;
            }
            const std::string line = tokens.Next();
            if (line.empty()) {
                read.problem = "it ends inside \"" + chat.name + "\"";
                return read;
            }
            chat.lines.push_back({sound, Cut(line, kLongestChatText)});
            // The icon, on the same line only; a "}" there closes the block.
            const size_t beforeIcon = tokens.Position();
            if (tokens.Next(true) == "}") {
                tokens.Return(beforeIcon);
            }
            if (chat.lines.size() >= rules.mostSounds) {
                break;  // the block's "}" is then read as the next chat's name
            }
        }
        read.chats.push_back(std::move(chat));
    }
    return read;
}

}  // namespace quillon
