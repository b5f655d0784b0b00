#include "model/install/KeyValues.h"

#include <cctype>
#include <optional>

#include "platform/TextCase.h"

namespace quillon {
namespace {

// Steam's files nest a few levels; anything deeper is not one of them.
constexpr int kDeepest = 16;

class Reader {
  public:
    explicit Reader(const std::string& text) : text_(text) {}

    // Reads nodes up to the end of the text, or of the enclosing block at `depth` > 0. Returns
    // false once the text turned out malformed: the caller keeps what it has and stops.
    bool ReadNodes(std::vector<KeyValue>& nodes, int depth) {
        while (true) {
            SkipBlanksAndComments();
            if (at_ >= text_.size()) {
                return depth == 0;
            }
            if (text_[at_] == '}') {
                ++at_;
                return depth > 0;
            }
            std::optional<std::string> key = ReadString();
            if (!key) {
                return false;
            }
            KeyValue node;
            node.key = std::move(*key);
            SkipBlanksAndComments();
            if (at_ < text_.size() && text_[at_] == '{') {
                ++at_;
                node.isBlock = true;
                if (depth + 1 > kDeepest) {
                    return false;
                }
                const bool whole = ReadNodes(node.children, depth + 1);
                nodes.push_back(std::move(node));
                if (!whole) {
                    return false;
                }
                continue;
            }
            std::optional<std::string> value = ReadString();
            if (!value) {
                return false;
            }
            node.value = std::move(*value);
            nodes.push_back(std::move(node));
        }
    }

  private:
    void SkipBlanksAndComments() {
        while (at_ < text_.size()) {
            if (std::isspace(static_cast<unsigned char>(text_[at_]))) {
                ++at_;
            } else if (text_.compare(at_, 2, "//") == 0) {
                const size_t end = text_.find('\n', at_);
                at_ = end == std::string::npos ? text_.size() : end + 1;
            } else {
                return;
            }
        }
    }

    // A quoted or bare string; nothing at the end of the text, at a brace, or in an unclosed
    // quote.
    std::optional<std::string> ReadString() {
        if (at_ >= text_.size() || text_[at_] == '{' || text_[at_] == '}') {
            return std::nullopt;
        }
        std::string read;
        if (text_[at_] != '"') {
            while (at_ < text_.size() && !std::isspace(static_cast<unsigned char>(text_[at_])) &&
                   text_[at_] != '{' && text_[at_] != '}' && text_[at_] != '"') {
                read += text_[at_++];
            }
            return read;
        }
        for (++at_; at_ < text_.size(); ++at_) {
            const char c = text_[at_];
            if (c == '"') {
                ++at_;
                return read;
            }
            if (c == '\\' && at_ + 1 < text_.size() &&
                (text_[at_ + 1] == '"' || text_[at_ + 1] == '\\')) {
                read += text_[++at_];
            } else {
                read += c;
            }
        }
        return std::nullopt;
    }

    const std::string& text_;
    size_t at_ = 0;
};

}  // namespace

const KeyValue* FindKey(const std::vector<KeyValue>& nodes, const std::string& key) {
    for (const KeyValue& node : nodes) {
        if (SameIgnoringCase(node.key, key)) {
            return &node;
        }
    }
    return nullptr;
}

const KeyValue* KeyValue::Child(const std::string& name) const {
    return FindKey(children, name);
}

std::vector<KeyValue> ParseKeyValues(const std::string& text) {
    std::vector<KeyValue> nodes;
    Reader(text).ReadNodes(nodes, 0);
    return nodes;
}

}  // namespace quillon
