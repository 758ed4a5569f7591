#pragma once

/// How the grid edits a cell (VantroDefaultItemDelegate::editStyle). The numbers are stable: hosts
/// store them in grid settings.
enum ZEditStyle {
    esNone = 0,     ///< no editor: the cell cannot be edited in place
    esDefault = 1,  ///< Qt's standard editor for the value's type
    esLineEdit = 3, ///< a one-line text editor
    esCheckBox = 7  ///< a check box drawn in the cell; the value is read from the display/edit roles
};
