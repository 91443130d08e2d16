#pragma once
// The editor's button and menu glyphs, drawn by code on a 16-unit grid so that they stay
// sharp and alike at 16 x 16 and at 32 x 32 for high-density screens.
#include <QIcon>
#include <QString>

namespace vt {

// A glyph by name: "new", "open", "save", "test", "control", "pick", "select", "delete",
// "front", "copy", "paste", "undo", "redo", "export", "addimage", "replaceimage",
// "deleteimage", and one per skin object class
// (its class name, "TSeTextObject"). An unknown name gives a plain frame.
QIcon EditorGlyph(const QString& name);

}  // namespace vt
