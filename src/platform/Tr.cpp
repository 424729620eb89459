#include "platform/Tr.h"

#include <atomic>
#include <vector>

namespace rw {
namespace {

std::atomic<Translator> g_translator{nullptr};

}  // namespace

void SetTranslator(Translator translator) { g_translator.store(translator); }

std::string Translate(const char* context, const char* text) {
    if (text == nullptr) return {};
    const Translator translator = g_translator.load();
    return translator != nullptr ? translator(context, text) : std::string(text);
}

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> args) {
    const std::vector<std::string_view> values(args);
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next >= '1' && next <= '9' &&
            static_cast<std::size_t>(next - '1') < values.size()) {
            out += values[static_cast<std::size_t>(next - '1')];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

}  // namespace rw
