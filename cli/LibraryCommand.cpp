#include "cli/LibraryCommand.h"

#include "cli/LibraryIndex.h"
#include "cli/LibraryRescan.h"
#include "soundlibrary/LibraryDatabase.h"
#include "soundlibrary/LibraryScan.h"
#include "soundlibrary/LibraryWords.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <iostream>

LibraryCommand::LibraryCommand(CLI::App& app)
    : Command(app, "library", "Manage the sound library's folders and index, which the editor shares")
{
    m_command->require_subcommand(1, 1);
    m_add = m_command->add_subcommand("add", "Add folders of sounds to the library (index them with rescan)");
    m_add->add_option("folder", m_folders, "Folders, each with the folders in it")->required();
    m_remove = m_command->add_subcommand("remove", "Remove folders from the library, and their files from the index");
    m_remove->add_option("folder", m_folders, "Folders as listed (or any path to them)")->required();
    m_list = m_command->add_subcommand("list", "List the library's folders, one a line");
    m_rescan = m_command->add_subcommand(
        "rescan", "Bring the index in step with the folders and analyse the new and changed sounds (Ctrl+C stops it)");
}

int LibraryCommand::run()
{
    if (m_add->parsed())
        return add();
    if (m_remove->parsed())
        return remove();
    if (m_list->parsed())
        return list();
    return LibraryRescan().run();
}

int LibraryCommand::add() const
{
    std::optional<soundlibrary::LibraryFolders> folders = LibraryIndex::folders();
    if (!folders)
        return 1;
    for (const std::string& folder : m_folders) {
        if (const soundlibrary::LibraryFoldersFailure failure = folders->add(folder)) {
            std::cerr << "zylox: " << failure.text().english() << '\n';
            return 1;
        }
        std::cout << folders->folders().back() << '\n';
    }
    std::cerr << "zylox: \"zylox library rescan\" indexes the sounds of the library's new folders\n";
    return 0;
}

int LibraryCommand::remove() const
{
    std::optional<soundlibrary::LibraryFolders> folders = LibraryIndex::folders();
    if (!folders)
        return 1;
    for (const std::string& folder : m_folders) {
        const std::vector<std::string> before = folders->folders();
        if (const soundlibrary::LibraryFoldersFailure failure = folders->remove(folder)) {
            std::cerr << "zylox: " << failure.text().english() << '\n';
            return 1;
        }
        for (const std::string& listed : before)
            if (std::find(folders->folders().begin(), folders->folders().end(), listed) == folders->folders().end())
                std::cout << listed << '\n';
    }
    // A search finds nothing of a removed folder from now on, without a rescan.
    if (!LibraryIndex::exists())
        return 0;
    const std::unique_ptr<soundlibrary::LibraryDatabase> database = LibraryIndex::open();
    if (!database)
        return 1;
    const soundlibrary::ScanProgress forgotten
        = soundlibrary::LibraryScan(*database, folders->folders()).forgetRemovedFolders();
    if (!forgotten.failure.empty())
        return fail("library", soundlibrary::indexUnwritableText(forgotten.failure).english());
    return 0;
}

int LibraryCommand::list() const
{
    const std::optional<soundlibrary::LibraryFolders> folders = LibraryIndex::folders();
    if (!folders)
        return 1;
    for (const std::string& folder : folders->folders())
        std::cout << folder << '\n';
    if (folders->folders().empty())
        std::cerr << "zylox: the sound library has no folders: " << LibraryIndex::kHowToStart << '\n';
    return 0;
}
