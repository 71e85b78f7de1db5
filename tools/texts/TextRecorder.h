// A translator that answers nothing and remembers every text the program asks it for, with its place.
#pragma once

#include <QString>
#include <QTranslator>
#include <vector>

namespace rna::tools {

struct AskedText {
    QString context;  // the window (or the group of program texts)
    QString source;  // the Romanian text
    QString disambiguation;  // the control, or empty

    bool operator==(const AskedText&) const = default;
};

class TextRecorder : public QTranslator {
public:
    // Returns a null string, so that the next translator (or the text itself) answers.
    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override { return false; }

    // In the order first asked, each once.
    const std::vector<AskedText>& texts() const { return texts_; }

private:
    mutable std::vector<AskedText> texts_;
};

}  // namespace rna::tools
