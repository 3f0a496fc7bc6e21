#pragma once

// Figures that no longer belong to the inputs say so. From the first change
// of an input after a calculation (a price field's text, a selector's text,
// an option box, the PayPal box) until the next calculation or Clear, the nine
// result fields are marked out of date: their figures are drawn in italic in
// a fainter colour of their own (window_colours.h), and each field's
// accessible description is out_of_date_text, and its label's name says so
// for flat review; a screen reader hears
// out_of_date_announcement once, as the marking starts. The figures
// themselves stay as they are; a run that a field's check stops changes
// nothing here. Whoever else shows the figures hears of each change of the
// marking (on_marking).
//
// The PayPal figure that the total fees left out is marked too, for as long as
// the figures it belongs to stand: struck out, and described by
// paypal_left_out_text.

#include "ui/common/figure_marks.h"
#include "ui/main_window/form_layout.h"

#include <QObject>
#include <QString>

#include <functional>

#include <string_view>

namespace quillet::ui {

inline constexpr std::string_view out_of_date_announcement = "Figures out of date: press Calculate";

class StaleMarking : public QObject {
public:
    // Watches every input of the control tables; call after the form is built.
    // `announce` speaks a text to a screen reader.
    StaleMarking(const Controls& controls, std::function<void(const QString&)> announce,
                 QObject* parent);

    // A calculation wrote the figures: they belong to the inputs shown.
    void calculated();
    // Clear emptied them: there is nothing to mark until the next calculation.
    void cleared();

    // Calculate says whether the total fees left the PayPal fee out.
    void set_paypal_left_out(bool left_out);

    bool marked() const { return marked_; }
    bool paypal_left_out() const { return paypal_left_out_; }

    void on_marking(std::function<void(bool marked)> heard) { heard_ = std::move(heard); }

private:
    void input_changed();
    void show(bool marked);
    void restyle();

    Controls controls_;
    std::function<void(const QString&)> announce_;
    bool figures_shown_ = false; // a calculation has written the result fields
    bool marked_ = false;
    bool paypal_left_out_ = false;
    std::function<void(bool)> heard_;
};

} // namespace quillet::ui
