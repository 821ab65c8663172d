#pragma once

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
        Alert(AlertStyle style, std::string title, std::string message, std::string defaultButton,
              std::string alternateButton = {}, std::string otherButton = {},
              AlertReply enterChooses = AlertReply::Default)
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
        std::string title;
        std::string message;
        std::string defaultButton;
        std::string alternateButton; // empty: the alert has only the default button
        std::string otherButton; // a third choice; empty: none
        // The button Enter presses: never one that loses the user's work.
        AlertReply enterChooses;
    };

    // A choice of one among a few named things.
    struct Pick {
        std::string title;
        std::string label;
        std::vector<std::string> items;
    };

    virtual ~IDialogs() = default;

    virtual AlertReply runAlert(const Alert& alert) = 0;
    // The position of the item chosen, the first proposed; -1 when the user cancelled.
    virtual int runPick(const Pick& pick) = 0;
    // fileTypes are extensions without the dot; an empty list allows any file.
    // Both return the chosen path, or an empty string when the user cancelled.
    // The open panel, titled by what the file is for, starts in folder (empty: wherever the desktop
    // starts it).
    virtual std::string runOpenPanel(const std::vector<std::string>& fileTypes, const std::string& folder,
                                     const std::string& title)
        = 0;
    // The save panel proposes suggested: a file name, with or without its folder.
    virtual std::string runSavePanel(const std::vector<std::string>& fileTypes, const std::string& suggested) = 0;
    virtual void beep() = 0;
};
