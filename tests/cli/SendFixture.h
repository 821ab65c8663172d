#pragma once

// `zylox send` and `zylox pacing` as the command line runs them, over the loopback service with
// the device simulator on the virtual clock.
#include "cli/PacingCommand.h"
#include "cli/SendCommand.h"
#include "tests/support/DeviceSimulator.h"
#include "tests/support/LoopbackMidiService.h"
#include "tests/support/ScratchFolder.h"

#include <CLI/CLI.hpp>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <iostream>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

using Blocks = std::vector<std::size_t>;

// Standard input that plays the user at the `[y/N]` question: does something first, then answers.
class Answer : public std::streambuf {
public:
    Answer(std::string text, std::function<void()> meanwhile)
        : m_text(std::move(text))
        , m_meanwhile(std::move(meanwhile))
    {
    }

protected:
    int_type underflow() override
    {
        if (m_meanwhile)
            std::exchange(m_meanwhile, {})();
        setg(m_text.data(), m_text.data(), m_text.data() + m_text.size());
        return gptr() == egptr() ? traits_type::eof() : traits_type::to_int_type(*gptr());
    }

private:
    std::string m_text;
    std::function<void()> m_meanwhile;
};

class SendFixture : public testing::Test {
protected:
    void SetUp() override
    {
        const char* state = std::getenv("XDG_STATE_HOME");
        savedState = state ? std::optional<std::string>(state) : std::nullopt;
        setenv("XDG_STATE_HOME", scratch.file("state").c_str(), 1);
    }
    void TearDown() override
    {
        if (savedState)
            setenv("XDG_STATE_HOME", savedState->c_str(), 1);
        else
            unsetenv("XDG_STATE_HOME");
    }

    // Runs `zylox <words>` with this standard input; what it writes is added to out and err.
    int zylox(const std::string& words, std::streambuf* input = nullptr)
    {
        std::istringstream nothing;
        std::streambuf* const in = std::cin.rdbuf(input ? input : nothing.rdbuf());
        std::streambuf* const cout = std::cout.rdbuf(out.rdbuf());
        std::streambuf* const cerr = std::cerr.rdbuf(err.rdbuf());
        std::ostream* const tie = std::cerr.tie(nullptr);
        const int status = alongside(words);
        std::cerr.tie(tie);
        std::cerr.rdbuf(cerr);
        std::cout.rdbuf(cout);
        std::cin.rdbuf(in);
        return status;
    }
    // The same inside a run of zylox, whose streams it shares.
    int alongside(const std::string& words)
    {
        CLI::App app{"zylox", "zylox"};
        SendCommand send(
            app, [this] { return service; }, clock, [this] { return onTerminal; });
        PacingCommand pacing(app, [this] { return service; });
        try {
            app.parse(words);
        } catch (const CLI::ParseError&) {
            return 2;
        }
        return send.chosen() ? send.run() : pacing.run();
    }
    // What zylox wrote to standard output, but the progress lines, whose number depends on how
    // fast the machine is; both outputs are cleared.
    std::string said()
    {
        const std::string shown = std::regex_replace(out.str(), std::regex(".*%.*\n"), "");
        out.str({});
        return shown;
    }
    std::string complained() { return std::exchange(err, {}).str(); }

    ScratchFolder scratch{"zylox-send"};
    std::optional<std::string> savedState;
    VirtualClock clock;
    std::shared_ptr<LoopbackMidiService> service = std::make_shared<LoopbackMidiService>(clock);
    DeviceSimulator& device = service->addDestinationOf<DeviceSimulator>();
    const std::string zylox515 = "ZYLOX 515:ZYLOX 515 MIDI In";
    std::ostringstream out;
    std::ostringstream err;
    // Whether a user is there to answer a question about the device's record.
    bool onTerminal = false;
};
