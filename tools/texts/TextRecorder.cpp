#include "tools/texts/TextRecorder.h"

#include <algorithm>

namespace rna::tools {

QString TextRecorder::translate(const char* context, const char* sourceText, const char* disambiguation,
                                int /*n*/) const
{
    AskedText asked{QString::fromUtf8(context), QString::fromUtf8(sourceText), QString::fromUtf8(disambiguation)};
    // Qt asks for its own texts too (the layout direction, by its class names): they are not ours to translate.
    if (asked.context.size() > 1 && asked.context[0] == QLatin1Char('Q') && asked.context[1].isUpper())
        return {};
    if (std::find(texts_.begin(), texts_.end(), asked) == texts_.end())
        texts_.push_back(std::move(asked));
    return {};
}

}  // namespace rna::tools
