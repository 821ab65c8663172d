// The Help menu: the manual and the window's keys beside About, which has the version; and the
// manual page read as the window shows it.
#include "EditorFixture.h"

#include "app/window/ManualPage.h"
#include "app/window/ManualPageSource.h"

#include <QLabel>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QTreeWidget>

namespace {

using EditorHelpTest = EditorFixture;

TEST_F(EditorHelpTest, HelpOffersTheManualTheKeysAndAboutWithTheVersion)
{
    QStringList items;
    for (const QAction* item : control<QMenu>("menu_help").actions())
        items << item->text();
    EXPECT_EQ(items, (QStringList{"ZYLOX 515 Editor &Manual", "&Keyboard Shortcuts", "", "&About ZYLOX 515 Editor"}));

    // F1 shows the installed page, as a document, beside the window rather than over it.
    press(Qt::Key_F1, Qt::NoModifier);
    QDialog* manual = shownDialog(QStringLiteral("window_manual"));
    ASSERT_NE(manual, nullptr);
    EXPECT_FALSE(manual->isModal());
    const QString page = manual->findChild<QTextBrowser*>(QStringLiteral("text_manual"))->toPlainText();
    EXPECT_TRUE(page.startsWith(QStringLiteral("ZYLOX-EDITOR(1)"))) << page.left(80).toStdString();
    EXPECT_TRUE(page.contains(QStringLiteral("Help \u2192 Keyboard Shortcuts"))) << page.toStdString();

    // The keys of the menus as the menus have them, and those of no menu with where they work.
    control<QAction>("menu_shortcuts").trigger();
    QDialog* keys = shownDialog(QStringLiteral("window_shortcuts"));
    ASSERT_NE(keys, nullptr);
    Texts rows;
    const auto* list = keys->findChild<QTreeWidget*>(QStringLiteral("list_shortcuts"));
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        rows.push_back(list->topLevelItem(row)->text(0).toStdString() + "|"
                       + list->topLevelItem(row)->text(1).toStdString());
    // The keys of no menu are a table of the window's own: one of its rows stands for them all.
    for (const char* expected : {"Ctrl+S|File \u2192 Save", "Ctrl+Shift+S|File \u2192 Save As\u2026",
                                 "Ctrl+B|View \u2192 Sound Browser", "F1|Help \u2192 ZYLOX 515 Editor Manual",
                                 "Ctrl+1 to Ctrl+6|Import a sound into slot 1 to 6 of the selected bank"})
        EXPECT_NE(std::find(rows.begin(), rows.end(), expected), rows.end()) << expected;
    EXPECT_EQ(std::count_if(rows.begin(), rows.end(), [](const std::string& row) { return row.starts_with("|"); }), 0);

    std::string version;
    QTimer::singleShot(0, [&] {
        auto* about = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(about, nullptr);
        version = about->findChild<QLabel*>(QStringLiteral("label_version"))->text().toStdString();
        about->reject();
    });
    control<QAction>("menu_about").trigger();
    EXPECT_EQ(version, "Version " ZYLOX_VERSION);
}

// Whatever the page says reaches the reader as text: no request or escape shows through, no word
// of it is lost, and each section is a heading.
TEST(ManualPageTest, ThePageReadsAsTextWithEveryWordAndEverySection)
{
    const QString roff = QString::fromUtf8(kManualPageSource);
    ASSERT_TRUE(roff.startsWith(QStringLiteral(".TH ")));
    QTextDocument document;
    document.setHtml(ManualPage::toHtml(roff));
    const QString text = document.toPlainText();
    EXPECT_FALSE(text.contains(QLatin1Char('\\'))) << text.toStdString();
    EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("(^|\\n)\\.[A-Z]")))) << text.toStdString();
    for (const QString& line : roff.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('.')) || line.contains(QLatin1Char('\\')))
            continue;
        for (const QString& word : line.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            EXPECT_TRUE(text.contains(word)) << word.toStdString();
    }
    const QString html = ManualPage::toHtml(roff);
    for (const char* section : {"NAME", "SYNOPSIS", "DESCRIPTION", "ENVIRONMENT", "FILES", "SEE ALSO"})
        EXPECT_TRUE(html.contains(QStringLiteral("<h2>%1</h2>").arg(QLatin1String(section)))) << section;

    // Fonts, quoted arguments, tagged paragraphs and markup in the text itself.
    EXPECT_EQ(ManualPage::toHtml(QStringLiteral(".PP\nplain <a> & text\n.BR zylox (1),\n.RI [ \"Qt options\" ]\n"
                                                ".TP\n.B Space\nplays \\fIit\\fR\\(em\\-now")),
              QStringLiteral("<p>plain &lt;a&gt; &amp; text <b>zylox</b>(1), [<i>Qt options</i>]</p>"
                             "<dl><dt><b>Space</b></dt><dd>plays <i>it</i>\u2014-now</dd></dl>"));
}

} // namespace
