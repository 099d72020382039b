#include "TextCatalogue.h"

std::string SourceTexts::translate(const char*, const char* source, int count) const {
    std::string text = source;
    if (count < 0) {
        return text;
    }
    const std::string number = std::to_string(count);
    static constexpr std::string_view Placeholder = "%n";
    for (auto at = text.find(Placeholder); at != std::string::npos;
         at = text.find(Placeholder, at + number.size())) {
        text.replace(at, Placeholder.size(), number);
    }
    return text;
}

const TextCatalogue& sourceTexts() {
    static const SourceTexts texts;
    return texts;
}
