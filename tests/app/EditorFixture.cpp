#include "EditorFixture.h"

#include "bankfile/WrapperZQMidiFile.h"
#include "content/CContent.h"
#include "model/CFirmware.h"
#include "model/CSound.h"

#include <QApplication>
#include <QMetaObject>
#include <QTest>

#include <cstdlib>
#include <future>

void EditorFixture::start()
{
    editor = std::make_unique<CEditor>(dialogs, system);
    editor->show();
}

void EditorFixture::click(const char* button)
{
    QTest::mouseClick(&control<QAbstractButton>(button), Qt::LeftButton);
}

void EditorFixture::selectRow(int row)
{
    auto& table = control<QTableView>("tableview_banks");
    const QModelIndex index = table.model()->index(row, 0);
    table.scrollTo(index);
    QTest::mouseClick(table.viewport(), Qt::LeftButton, Qt::NoModifier, table.visualRect(index).center());
}

void EditorFixture::type(const char* field, const QString& text)
{
    auto& edit = control<QLineEdit>(field);
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_Backspace);
    // One key event carrying the whole text, as an input method would send it: any characters.
    if (!text.isEmpty())
        QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_unknown, text, Qt::NoModifier);
    QTest::keyClick(&edit, Qt::Key_Return);
}

int EditorFixture::selectedRow()
{
    const QModelIndexList rows = control<QTableView>("tableview_banks").selectionModel()->selectedRows();
    return rows.size() == 1 ? rows.constFirst().row() : -1;
}

QString EditorFixture::tableRow(int row)
{
    const QAbstractItemModel& model = *control<QTableView>("tableview_banks").model();
    return model.data(model.index(row, 0)).toString();
}

QString EditorFixture::textOf(const char* name)
{
    QObject* found = editor->findChild<QObject*>(QString::fromLatin1(name));
    return found == nullptr ? QStringLiteral("<missing>") : found->property("text").toString();
}

bool EditorFixture::enabled(const char* name)
{
    return control<QWidget>(name).isEnabled();
}

void EditorFixture::processEvents()
{
    QCoreApplication::processEvents();
}

void EditorFixture::runUntilIdle()
{
    while (editor->state() != CEditor::State::Idle)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void EditorFixture::pauseAt(std::uint64_t seconds, std::function<void()> check)
{
    clock.at(seconds * 1'000'000, [check = std::move(check)] {
        std::promise<void> checked;
        QMetaObject::invokeMethod(
            qApp,
            [&] {
                check();
                checked.set_value();
            },
            Qt::QueuedConnection);
        checked.get_future().wait();
    });
}

std::string EditorFixture::path(const std::string& name) const
{
    return folder.filePath(QString::fromStdString(name)).toStdString();
}

void EditorFixture::make(const std::string& command) const
{
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

std::string EditorFixture::oneBankFile(std::uint16_t index, const std::string& bankName, const std::string& file)
{
    std::unique_ptr<IBank> bank;
    if (index < 31)
        bank = std::make_unique<CSound>(index);
    else
        bank = std::make_unique<CFirmware>();
    bank->setName(bankName.c_str());
    WrapperZQMidiFile files;
    EXPECT_TRUE(files.saveBank(*bank, path(file)));
    return path(file);
}

std::string EditorFixture::allBanksFile(const std::string& file)
{
    std::vector<std::unique_ptr<IBank>> banks;
    std::vector<IBank*> pointers;
    for (std::uint16_t index = 0; index < 31; ++index)
        banks.push_back(std::make_unique<CSound>(index));
    banks.push_back(std::make_unique<CFirmware>());
    for (std::size_t row = 0; row < banks.size(); ++row) {
        banks[row]->setName(("file bank " + std::to_string(row)).c_str());
        pointers.push_back(banks[row].get());
    }
    WrapperZQMidiFile files;
    EXPECT_TRUE(files.saveBanks(pointers, path(file)));
    return path(file);
}

std::vector<std::uint8_t> EditorFixture::slotBytes(const IBank& bank, std::uint16_t slot)
{
    const CContent* content = bank.getContent(slot);
    return content == nullptr ? std::vector<std::uint8_t>{} : content->getData();
}

std::vector<std::uint8_t> EditorFixture::imageOf(const IBank& bank)
{
    std::vector<std::uint8_t> image;
    for (std::uint16_t slot = 0; slot < bank.getContentCount(); ++slot) {
        const std::vector<std::uint8_t> bytes = slotBytes(bank, slot);
        image.insert(image.end(), bytes.begin(), bytes.end());
    }
    return image;
}
