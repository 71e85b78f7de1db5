#include "neuron/screens/Calculation.h"

namespace rna::neuron {

namespace {

const QString Dot = QStringLiteral(" \u00B7 ");
const QString Product = QStringLiteral("\u00B7");

QString Term(const QString& text)
{
    return text.startsWith(u'-') ? QStringLiteral("(%1)").arg(text) : text;
}

QString TextOf(const NeuronValues& shown, const QString& name)
{
    const ShownValue* value = shown.find(name);
    return value ? value->text : QString();
}

// One product of the sum, as written left to right: each factor's symbol and its text.
struct Weighted {
    QString left;
    QString leftText;
    QString right;
    QString rightText;
};

// "n = p·w + b = 2.5 · 0.8 + (-1) = 1.00"
QString NetLine(const NeuronValues& shown, const std::vector<Weighted>& terms, const QString& threshold,
                const QString& net)
{
    QString symbols = net + QStringLiteral(" =");
    QString numbers;
    for (std::size_t i = 0; i < terms.size(); ++i) {
        const QString plus = i == 0 ? QStringLiteral(" ") : QStringLiteral(" + ");
        symbols += plus + terms[i].left + Product + terms[i].right;
        numbers += plus + Term(terms[i].leftText) + Dot + Term(terms[i].rightText);
    }
    symbols += QStringLiteral(" + ") + threshold;
    numbers += QStringLiteral(" + ") + Term(TextOf(shown, threshold));
    return symbols + QStringLiteral(" =") + numbers + QStringLiteral(" = ") + TextOf(shown, net);
}

// "a = tanh(n) = tanh(1.00) = 0.7616"; the identity "a = n = 1.00 = 1.0000"; with no function, the output kept.
QString OutputLine(const NeuronValues& shown, const QString& net, const QString& output)
{
    const ShownValue* function = shown.find(u"functia");
    const QString outputText = TextOf(shown, shown.find(u"iesire") ? QStringLiteral("iesire") : output);
    const std::optional<TransferKind> kind = function ? TransferKindAt(static_cast<int>(function->number))
                                                      : std::nullopt;
    const QString netText = TextOf(shown, net);
    if (!kind)
        return output + QStringLiteral(" = ") + outputText;
    if (*kind == TransferKind::Identity)
        return QStringLiteral("%1 = %2 = %3 = %4").arg(output, net, netText, outputText);
    const QString f = QString::fromLatin1(TransferFunctionOf(*kind).id.data(),
                                          static_cast<qsizetype>(TransferFunctionOf(*kind).id.size()));
    return QStringLiteral("%1 = %2(%3) = %2(%4) = %5").arg(output, f, net, netText, outputText);
}

}  // namespace

QStringList NeuronCalculation(const NeuronValues& shown)
{
    std::vector<Weighted> terms;
    const auto add = [&](const QString& p, const QString& w) {
        terms.push_back({p, TextOf(shown, p), w, TextOf(shown, w)});
    };
    if (shown.find(u"p"))
        add(QStringLiteral("p"), QStringLiteral("w"));
    else
        for (const QString& k : {QStringLiteral("1"), QStringLiteral("2")})
            add(QStringLiteral("p") + k, QStringLiteral("w") + k);
    const QString n = QStringLiteral("n");
    return {NetLine(shown, terms, QStringLiteral("b"), n), OutputLine(shown, n, QStringLiteral("a"))};
}

QStringList NetworkCalculation(const ScreenValues& shown, const Network& network)
{
    QStringList lines;
    for (std::size_t k = 0; k < 2 && k < shown.size(); ++k) {
        const QString i = QString::number(k + 1);
        const NeuronValues& hidden = shown[k];
        const QString n = QStringLiteral("n") + i;
        const QString w = QStringLiteral("w") + i;
        lines << NetLine(hidden, {{QStringLiteral("p"), TextOf(hidden, QStringLiteral("p")), w, TextOf(hidden, w)}},
                         QStringLiteral("b") + i, n)
              << OutputLine(hidden, n, QStringLiteral("a") + i);
    }
    if (shown.size() > 2) {
        const NeuronValues& output = shown[2];
        const Neuron& neuron = network.OutputNeuron();
        const QString n = QStringLiteral("n3");
        lines << NetLine(output,
                         {{QStringLiteral("v1"), TextOf(output, QStringLiteral("v1")), QStringLiteral("a1"),
                           GeneralText(neuron.Input(0))},
                          {QStringLiteral("v2"), TextOf(output, QStringLiteral("v2")), QStringLiteral("a2"),
                           GeneralText(neuron.Input(1))}},
                         QStringLiteral("b3"), n)
              << OutputLine(output, n, QStringLiteral("a"));
    }
    return lines;
}

}  // namespace rna::neuron
