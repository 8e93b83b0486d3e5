#pragma once

#include "replay_backend.h"

#include <memory>
#include <string>

class QApplication;
class QComboBox;
class QLineEdit;
class QWidget;

namespace kelvaro {

class Gui;

// Drives the real windows through input events, as a user would, and reads
// what they show from the widgets. Owns the application object, the program
// and its windows.
class GuiBackend : public ReplayBackend, private ControlReader {
public:
    GuiBackend(int& argc, char** argv, NumberFormat numbers);
    ~GuiBackend() override;

    Program& program() override { return *program_; }

    void set(const std::string& field, const std::string& text) override;
    void keys(const std::string& field, const std::string& text) override;
    void backspace(const std::string& field, int times) override;
    void choose(const std::string& combo, int index) override;
    void edit(const std::string& combo, const std::string& text) override;
    void slide(int value) override;
    void click(const std::string& button) override;
    void close(const std::string& window) override;
    StateDump dump() override { return dumpOf(*program_, *this); }

private:
    bool windowShown(const Window& window) const override;
    std::string boxText(const TextBox& box) const override;
    int sliderValue(const ScrollBar& slider) const override;
    int sliderMax(const ScrollBar& slider) const override;
    int listIndex(const ComboBox& list) const override;
    std::string listText(const ComboBox& list) const override;
    std::string caption(const Label& label) const override;
    double barWidth(const Shape& bar) const override;
    bool barShown(const Shape& bar) const override;

    QWidget* form1() const;
    QWidget* about() const;
    QLineEdit* field(const std::string& name) const;
    QComboBox* list(const std::string& name) const;
    void focus(QWidget* widget) const;
    void awaitShownWindow() const;

    std::unique_ptr<QApplication> app_;
    std::unique_ptr<Program> program_;
    std::unique_ptr<Gui> gui_;
};

} // namespace kelvaro
