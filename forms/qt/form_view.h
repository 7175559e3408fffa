#pragma once
// The Qt view of one loaded window: makes the widgets from the model's state
// and shows every later change of it.
#include <QPointer>
#include <map>
#include <memory>

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
    void show_and_activate() override;
    void dismantle() override;

    QWidget* widget_of(ControlId control) const;

private:
    QWidget* make_control(const ControlState& c, QWidget* parent);
    void refresh_window(const ControlState& c, int property);
    void refresh_own(const ControlState& c, QWidget* widget, int property);
    void show_trans(const ControlState& c, QWidget* widget);
    void show_bar(const ControlState& c, QWidget* widget);
    QString unique_id(ControlId control) const;

    LoadedWindow& state_;
    QPointer<FormWindow> window_;
    std::map<ControlId, QPointer<QWidget>> widgets_;
    QObject* context_;  // owns every connection
};

}  // namespace forms::qt
