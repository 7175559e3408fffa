#pragma once
// The Qt view of one loaded window. Widgets are made when first seen: the
// window's own when it is first shown, a tab page's when the page is first
// shown (or when a test asks for one of its widgets). Until then the model's
// state is all there is, and a widget made later shows the state as it is.
#include <QComboBox>
#include <QPointer>
#include <map>

#include "forms/parts_made.h"
#include "forms/presentation.h"
#include "forms/qt/form_window.h"
#include "forms/view.h"

namespace forms::qt {

class QtWindowView final : public WindowView {
public:
    explicit QtWindowView(LoadedWindow& window);
    ~QtWindowView() override;

    void create() override;
    void refresh(ControlId control, int property) override;
    void refresh_pages(ControlId tab, bool by_user) override;
    void focus_next() override;
    void focus(ControlId control) override;
    void show_menu(ControlId control, bool at_pointer) override;
    void show_and_activate() override;
    void dismantle() override;

    // The widget of a control, made first (with its window and its page) if
    // it is not there yet; nullptr for a timer or an unknown control.
    QWidget* widget_of(ControlId control);
    // The widget if it has been made, else nullptr.
    QWidget* built_widget(ControlId control) const;

private:
    using Maker = QWidget* (QtWindowView::*)(const ControlState&, const Presentation&, QWidget*);

    void build_window();
    void build(Part part);
    void build_control(const ControlState& c);
    void keep_tab_order();
    // One maker for each kind; each makes the widget as the control starts.
    QWidget* make_control(const ControlState& c, const Presentation& p, QWidget* parent);
    QWidget* make_plain(const ControlState& c, const Presentation& p, QWidget* parent);
    QWidget* make_edit(const ControlState& c, const Presentation& p, QWidget* parent);
    QWidget* make_button(const ControlState& c, const Presentation& p, QWidget* parent);
    QWidget* make_label(const ControlState& c, const Presentation& p, QWidget* parent);
    QWidget* make_trans(const ControlState& c, const Presentation& p, QWidget* parent);
    QWidget* make_group(const ControlState& c, const Presentation& p, QWidget* parent);
    QWidget* make_combo(const ControlState& c, const Presentation& p, QWidget* parent);
    QWidget* make_bar(const ControlState& c, const Presentation& p, QWidget* parent);
    QWidget* make_tab(const ControlState& c, const Presentation& p, QWidget* parent);
    QWidget* make_picture(const ControlState& c, const Presentation& p, QWidget* parent);
    void refresh_window(const ControlState& c, int property);
    void refresh_own(const ControlState& c, QWidget* widget, int property);
    void show_trans(const ControlState& c, QWidget* widget);
    void show_bar(const ControlState& c, QWidget* widget);
    void show_items(const ControlState& c, QComboBox* combo);
    QString unique_id(ControlId control) const;
    // A control as shown at the window's scale, and a font at it (the
    // default GUI font's height scaled too).
    Presentation shown(const ControlState& c) const { return presentation_of(c, state_.dpi, unit_dpi_); }
    QFont font_at_scale(Font font) const;
    // The window follows its screen: on a screen of another scale it is
    // shown at the scale at which it fits there.
    void follow_screen();
    void rescale();

    LoadedWindow& state_;
    QPointer<FormWindow> window_;
    std::map<ControlId, QPointer<QWidget>> widgets_;
    PartsMade parts_;
    QObject* context_;  // owns every connection
    // The scale at which one of Qt's pixels on the window's screen is one
    // of the layout's (the screen's scale), and the scale the widgets show.
    int unit_dpi_ = unscaled_dpi;
    int shown_dpi_ = unscaled_dpi;
    QMetaObject::Connection following_screen_;
};

}  // namespace forms::qt
