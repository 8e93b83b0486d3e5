#pragma once

#include "replay_backend.h"

namespace kelvaro {

// Drives the program's core directly, without any window.
class CoreBackend : public ReplayBackend {
public:
    explicit CoreBackend(NumberFormat numbers);

    Program& program() override { return program_; }

    void set(const std::string& field, const std::string& text) override;
    void keys(const std::string& field, const std::string& text) override;
    void backspace(const std::string& field, int times) override;
    void choose(const std::string& combo, int index) override;
    void edit(const std::string& combo, const std::string& text) override;
    void slide(int value) override;
    void click(const std::string& button) override;
    void close(const std::string& window) override;
    StateDump dump() override { return dumpOf(program_); }

private:
    Program program_;
};

} // namespace kelvaro
