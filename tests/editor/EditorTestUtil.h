#pragma once
// What the editor's tests share: a private folder with copies of the demo skins, the
// property text of an object, and a property change made as the inspector makes it.
#include <QTemporaryDir>
#include <string>

#include "editor/SkinDocument.h"

namespace vt::test {

// A fresh folder holding "demo-light.mskn" (and the other demo variants on request).
class TSkinFolder {
 public:
  TSkinFolder();
  // A copy of the light demo skin in `extension`'s variant ("mskn", "uskn"...).
  QString DemoCopy(const QString& extension = "mskn") const;
  QString Path(const QString& name) const { return FDir.filePath(name); }

 private:
  QTemporaryDir FDir;
};

// The object's property text, as the clipboard and the text dump write it.
std::string PropertyText(const TSeSkinObject& object);
// A change of the selected object's Left through the document, as the inspector does it.
void ChangeLeft(TSkinDocument& document, int left);

}  // namespace vt::test
