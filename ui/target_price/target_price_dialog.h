#pragma once

// "Target Price": the lowest ending price that breaks even, makes a profit or
// reaches a margin, found by the engine (engine/target_price.h) on the main
// window's inputs as they stand. Not modal: the answer follows every change
// of the goal, the target and the window's inputs (Find asks at once). Closed,
// it hides, and keeps its goal and target for the rest of the run.

#include "ui/main_window/prompts.h"

#include <QDialog>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The engine's headers stay out of this one: moc cannot read <compare>.
namespace quillet {
class Currency;
struct NumberConventions;
struct WindowState;
enum class InputField;
} // namespace quillet

namespace quillet::ui {

class Announcer;

class TargetPriceDialog : public QDialog {
    Q_OBJECT

public:
    // What the dialog asks of the main window.
    struct Client {
        // Runs the window's field checks on its inputs: what to mend when one
        // rejects its text; otherwise nothing, with the record as Calculate
        // would read it.
        std::function<std::optional<QString>(WindowState&)> read_inputs;
        // The conventions the window reads numbers under, as they are now.
        std::function<NumberConventions()> conventions;
        // The words for an input the engine found at fault.
        std::function<QString(InputField)> field_words;
        // Writes the price into Ending Price and calculates: what a screen
        // reader should hear of it, or nothing when a box said it.
        std::function<std::optional<QString>(const QString& price)> use_price;
        // Shows a modal warning box.
        std::function<void(QWidget* parent, const Message&)> warn;
    };

    TargetPriceDialog(QWidget* parent, Client client);
    // Hiding on the way out moves the focus and deletes the controls; by then
    // this is no dialog of ours to check or filter in.
    ~TargetPriceDialog() override;

    // The window's inputs changed: the answer follows.
    void inputs_changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void goal_changed();
    void schedule_answer();
    std::optional<Currency> target(const NumberConventions& conventions) const;
    void answer(bool asked);
    void use_this_price();
    void show_answer(const QString& price, const QString& outcome, bool focus);
    void mark_out_of_date(const QString& reason);
    void show_out_of_date(bool marked);

    Client client_;
    QComboBox* goal_ = nullptr;
    QLineEdit* target_ = nullptr;
    QLineEdit* lowest_ = nullptr;
    QLabel* outcome_ = nullptr;
    QPushButton* find_ = nullptr;
    QPushButton* use_ = nullptr;
    QPushButton* close_ = nullptr;
    Announcer* announcer_ = nullptr;
    QTimer refresh_;
};

} // namespace quillet::ui
