#include "app/common/WindowText.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <climits>

namespace {

// The window's language's digits; where the program runs under the C locale, English ones, with
// their thousands separators and lists without a comma before "and".
QLocale numbers()
{
    const QLocale locale;
    return locale.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedKingdom) : locale;
}

QString argument(const TextArgument& argument)
{
    using Kind = TextArgument::Kind;
    const bool positive = argument.kind == Kind::Decimal ? argument.decimal >= 0.0 : argument.whole >= 0;
    const QString sign = argument.showsSign && positive ? QStringLiteral("+") : QString();
    switch (argument.kind) {
    case Kind::Name:
        return QString::fromStdString(argument.name);
    case Kind::SystemText:
        // The C library's and ALSA's texts come in the encoding of the user's locale.
        return QString::fromLocal8Bit(argument.name.c_str());
    case Kind::Whole:
        return sign + (argument.grouped ? numbers().toString(argument.whole) : QString::number(argument.whole));
    case Kind::Decimal:
        return sign + numbers().toString(argument.decimal, 'f', argument.decimals);
    case Kind::Part:
        break;
    }
    return argument.part.empty() ? QString() : WindowText::of(argument.part.front());
}

// The language's wording of the source, or the core's English where the language has none.
QString worded(const Text& text)
{
    const TextSource& source = text.source();
    const QString english
        = QString::fromUtf8(text.count() && *text.count() == 1 && source.one ? source.one : source.source);
    if (source.context == nullptr)
        return english;
    const int count = text.count() ? static_cast<int>(std::min<long long>(*text.count(), INT_MAX)) : -1;
    const QString translated = QCoreApplication::translate(source.context, source.source, source.one, count);
    return translated == QString::fromUtf8(source.source) ? english : translated;
}

} // namespace

QString WindowText::of(const Text& text)
{
    const QString wording = worded(text);
    const std::vector<TextArgument>& arguments = text.arguments();
    // Filled in one pass, so that a name holding "%1" stays as it is.
    QString filled;
    for (qsizetype at = 0; at < wording.size(); ++at) {
        const QChar next = at + 1 < wording.size() ? wording.at(at + 1) : QChar();
        const int index = next.digitValue() - 1;
        if (wording.at(at) == QLatin1Char('%') && index >= 0 && static_cast<std::size_t>(index) < arguments.size()) {
            filled += argument(arguments[static_cast<std::size_t>(index)]);
            ++at;
        } else {
            filled += wording.at(at);
        }
    }
    return filled;
}

QString WindowText::list(const std::vector<std::string>& names)
{
    QStringList listed;
    for (const std::string& name : names)
        listed << QString::fromStdString(name);
    return numbers().createSeparatedList(listed);
}
