#pragma once
// What tests (and the search benchmark) reach into the form model and its Qt
// view for, beyond what the program itself uses.
//
// The widget that shows a control of a loaded window, for driving the real
// widgets as a reader would (QTest mouse presses, key clicks, choosing a
// combo box item) and for screenshots:
//
//   QWidget* WidgetOf(window, control)
//     window:  a loaded window's identifier.
//     control: a control identifier of that window, or the window's own
//              identifier for the top-level widget itself.
//   Returns nullptr when the window is not loaded, the control is unknown,
//   or the control has no widget (a timer). The widget lives as long as its
//   window stays loaded.
//
// What a test finds on each widget: objectName() is the control's name in
// UTF-8 ("按钮1"); the dynamic property "yzKind" is the kind's English name
// (Window, EditBox, PicBox, GroupBox, Label, Button, ComboBox, ProgressBar,
// Tab, Timer, TransLabel). The classes: the window a QWidget, EditBox a
// QLineEdit, Button a QPushButton, ComboBox a QComboBox, Label a QLabel,
// GroupBox a QGroupBox, ProgressBar a QProgressBar, Tab a QTabWidget (its
// page controls are children of the QTabWidget itself), PicBox a QFrame,
// TransLabel a plain QWidget over the label's rectangle (its text is drawn
// by a sibling that lets the mouse through).
#include <QWidget>

#include "forms/model.h"
#include "forms/property_values.h"
#include "forms/qt/form_view.h"
#include "forms/timers.h"
#include "forms/window_state.h"
#include "tests/support/model_access.h"

inline QWidget* WidgetOf(forms::WindowId window, forms::ControlId control) {
    forms::LoadedWindow* w = forms::find_loaded(window);
    if (w == nullptr) return nullptr;
    forms::catch_up(*w);  // a widget shows the state as it is by now
    auto* view = dynamic_cast<forms::qt::QtWindowView*>(w->view.get());
    return view != nullptr ? view->widget_of(control) : nullptr;
}

// Widgets are made when first shown (a window's when it is shown, a tab
// page's when the page is). WidgetOf makes the one it is asked for, with its
// window and page, if need be, and first runs the ticks a hidden window owes;
// BuiltWidgetOf does neither: nullptr until the widget exists.
inline QWidget* BuiltWidgetOf(forms::WindowId window, forms::ControlId control) {
    forms::LoadedWindow* w = forms::find_loaded(window);
    auto* view = w != nullptr ? dynamic_cast<forms::qt::QtWindowView*>(w->view.get()) : nullptr;
    return view != nullptr ? view->built_widget(control) : nullptr;
}
