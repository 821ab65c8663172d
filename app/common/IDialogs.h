#pragma once

#include <QString>
#include <QStringList>

#include <string>
#include <utility>
#include <vector>

// What the editor asks of its user, modally: alerts, a choice from a list, file panels and the
// beep. The editor never opens a panel itself, so tests can answer in its place.
class IDialogs {
public:
    // Critical for failures only; Warning for a file or input that is not what it should be;
    // Question for anything that asks the user to choose.
    enum class AlertStyle { Critical, Informational, Question, Warning };
    enum class AlertReply { Default, Alternate, Other };

    struct Alert {
        Alert(AlertStyle style, QString title, QString message, QString defaultButton, QString alternateButton = {},
              QString otherButton = {}, AlertReply enterChooses = AlertReply::Default)
            : style(style)
            , title(std::move(title))
            , message(std::move(message))
            , defaultButton(std::move(defaultButton))
            , alternateButton(std::move(alternateButton))
            , otherButton(std::move(otherButton))
            , enterChooses(enterChooses)
        {
        }

        AlertStyle style;
        QString title;
        QString message;
        QString defaultButton;
        QString alternateButton; // empty: the alert has only the default button
        QString otherButton; // a third choice; empty: none
        // The button Enter presses: never one that loses the user's work.
        AlertReply enterChooses;
    };

    // A choice of one among a few named things.
    struct Pick {
        QString title;
        QString label;
        QStringList items;
    };

    virtual ~IDialogs() = default;

    virtual AlertReply runAlert(const Alert& alert) = 0;
    // The position of the item chosen, the first proposed; -1 when the user cancelled.
    virtual int runPick(const Pick& pick) = 0;
    // fileTypes are extensions without the dot; an empty list allows any file.
    // Both return the chosen path, or an empty string when the user cancelled. The path is the file
    // system's bytes, as the core's files take it; what a panel shows (its folder, the name it
    // proposes) is text, as the desktop's panel takes it.
    // The open panel, titled by what the file is for, starts in folder (empty: wherever the desktop
    // starts it).
    virtual std::string runOpenPanel(const std::vector<std::string>& fileTypes, const QString& folder,
                                     const QString& title)
        = 0;
    // The save panel proposes suggested: a file name, with or without its folder.
    virtual std::string runSavePanel(const std::vector<std::string>& fileTypes, const QString& suggested) = 0;
    // The folder panel, titled by what the folder is for: the chosen folder, or empty when cancelled.
    virtual std::string runFolderPanel(const QString& title) = 0;
    virtual void beep() = 0;
};
