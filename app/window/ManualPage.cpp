#include "app/window/ManualPage.h"

#include <QStringList>

namespace {

// A request's arguments: words, or text in double quotes as one.
QStringList arguments(const QString& line)
{
    QStringList words;
    QString word;
    bool quoted = false;
    bool any = false;
    for (const QChar character : line) {
        if (character == QLatin1Char('"')) {
            quoted = !quoted;
            any = true;
        } else if (character == QLatin1Char(' ') && !quoted) {
            if (any)
                words << word;
            word.clear();
            any = false;
        } else {
            word += character;
            any = true;
        }
    }
    if (any)
        words << word;
    return words;
}

// Inline text: HTML-escaped, with the escapes and font changes turned into characters and tags.
QString inlineHtml(const QString& text)
{
    static const QList<std::pair<QString, QString>> kNamed{
        {QStringLiteral("->"), QStringLiteral("\u2192")}, {QStringLiteral("lq"), QStringLiteral("\u201C")},
        {QStringLiteral("rq"), QStringLiteral("\u201D")}, {QStringLiteral("em"), QStringLiteral("\u2014")},
        {QStringLiteral("en"), QStringLiteral("\u2013")}, {QStringLiteral("mi"), QStringLiteral("\u2212")},
        {QStringLiteral("co"), QStringLiteral("\u00A9")}, {QStringLiteral("bu"), QStringLiteral("\u2022")}};
    QString html;
    QString open; // the tag of the font in use: "b", "i" or none
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar character = text[at];
        if (character != QLatin1Char('\\') || at + 1 == text.size()) {
            html += QString(character).toHtmlEscaped();
            continue;
        }
        const QChar escape = text[++at];
        if (escape == QLatin1Char('-') || escape == QLatin1Char('e')) {
            html += escape == QLatin1Char('-') ? QStringLiteral("-") : QStringLiteral("\\");
        } else if (escape == QLatin1Char('&')) {
            // A zero-width mark that keeps a line's first dot from being read as a request.
        } else if (escape == QLatin1Char('(') && at + 2 < text.size()) {
            const QString name = text.mid(at + 1, 2);
            at += 2;
            QString shown = name;
            for (const auto& [known, character] : kNamed)
                if (known == name)
                    shown = character;
            html += shown.toHtmlEscaped();
        } else if (escape == QLatin1Char('f') && at + 1 < text.size()) {
            const QChar font = text[++at];
            if (!open.isEmpty())
                html += QStringLiteral("</%1>").arg(open);
            open = font == QLatin1Char('B')   ? QStringLiteral("b")
                   : font == QLatin1Char('I') ? QStringLiteral("i")
                                              : QString();
            if (!open.isEmpty())
                html += QStringLiteral("<%1>").arg(open);
        } else {
            html += QString(escape).toHtmlEscaped();
        }
    }
    if (!open.isEmpty())
        html += QStringLiteral("</%1>").arg(open);
    return html;
}

// The font macros: .B and .I set all their words in one font, the pairs alternate two fonts.
QString fontMacro(const QString& macro, const QString& rest)
{
    const auto tagged = [](QChar font, const QString& text) {
        const QString html = inlineHtml(text);
        return font == QLatin1Char('B')   ? QStringLiteral("<b>%1</b>").arg(html)
               : font == QLatin1Char('I') ? QStringLiteral("<i>%1</i>").arg(html)
                                          : html;
    };
    const QStringList words = arguments(rest);
    if (macro.size() == 1)
        return tagged(macro[0], words.join(QLatin1Char(' ')));
    QString html;
    for (qsizetype index = 0; index < words.size(); ++index)
        html += tagged(macro[index % 2], words[index]);
    return html;
}

} // namespace

QString ManualPage::toHtml(const QString& roff)
{
    QString html;
    QString block; // the text of the paragraph or definition being gathered
    bool inList = false;
    bool tagNext = false;
    const auto flush = [&] {
        if (!block.isEmpty())
            html += inList ? QStringLiteral("<dd>%1</dd>").arg(block) : QStringLiteral("<p>%1</p>").arg(block);
        block.clear();
    };
    const auto endList = [&] {
        flush();
        if (inList)
            html += QStringLiteral("</dl>");
        inList = false;
    };
    static const QStringList kFonts{QStringLiteral("B"),  QStringLiteral("I"),  QStringLiteral("BR"),
                                    QStringLiteral("RB"), QStringLiteral("IR"), QStringLiteral("RI"),
                                    QStringLiteral("BI"), QStringLiteral("IB")};
    for (const QString& line : roff.split(QLatin1Char('\n'))) {
        QString text;
        if (line.startsWith(QLatin1Char('.'))) {
            const qsizetype space = line.indexOf(QLatin1Char(' '));
            const QString macro = line.mid(1, space < 0 ? -1 : space - 1);
            const QString rest = space < 0 ? QString() : line.mid(space + 1);
            if (macro == QLatin1String("TH")) {
                const QStringList words = arguments(rest);
                html += QStringLiteral("<h1>%1(%2)</h1>").arg(inlineHtml(words.value(0)), inlineHtml(words.value(1)));
                continue;
            }
            if (macro == QLatin1String("SH")) {
                endList();
                html += QStringLiteral("<h2>%1</h2>").arg(inlineHtml(arguments(rest).join(QLatin1Char(' '))));
                continue;
            }
            if (macro == QLatin1String("PP") || macro == QLatin1String("P") || macro == QLatin1String("LP")) {
                endList();
                continue;
            }
            if (macro == QLatin1String("TP")) {
                flush();
                if (!inList)
                    html += QStringLiteral("<dl>");
                inList = true;
                tagNext = true;
                continue;
            }
            if (macro.startsWith(QLatin1Char('\\')) && macro.size() > 1 && macro[1] == QLatin1Char('"'))
                continue; // a comment
            text = kFonts.contains(macro) ? fontMacro(macro, rest) : inlineHtml(line);
        } else {
            text = inlineHtml(line);
        }
        if (tagNext) {
            html += QStringLiteral("<dt>%1</dt>").arg(text);
            tagNext = false;
        } else {
            block += (block.isEmpty() ? QString() : QStringLiteral(" ")) + text;
        }
    }
    endList();
    return html;
}
