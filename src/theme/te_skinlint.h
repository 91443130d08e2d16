#pragma once
// The skin lint: what a skin author wants to know before shipping a skin, as a list of
// problems that `vtskin check` prints and that an editor can show beside the skin, selecting
// the object or image a problem concerns when the designer clicks it.
//
// It finds:
//  - bitmap links that name an image the skin lacks, or a rectangle that is empty or
//    reaches outside the image (errors: the part paints nothing or garbage);
//  - images without pixels, and images sharing a name (links find the first one only);
//  - top-level objects sharing a name (the theme finds the first one only);
//  - top-level objects the themed controls look up, and the parts each family paints, that
//    the skin lacks (warnings: those controls then paint plainly), from the catalogue of
//    families and parts;
//  - window frames without a client object, a caption or a close button.
#include <string>
#include <vector>

#include "skin/se_skinsource.h"

namespace vt {

enum class TSkinProblemSeverity {
  Error,    // something the skin asks for is broken: a link, a name that hides another
  Warning,  // something the themed controls would use is missing: they paint plainly
};

struct TSkinProblem {
  TSkinProblemSeverity Severity = TSkinProblemSeverity::Warning;
  std::string Message;     // one sentence, without the place
  std::string ObjectPath;  // "Form/Caption/Close" (names from the top-level object), or empty
  std::string ImageName;   // the image concerned, or empty
  int ImageIndex = -1;     // its place in the image list (names may repeat), or -1
  // Where the problem is, as text: the object path, `image "name"`, or empty for the skin.
  std::string Where() const;
};

std::vector<TSkinProblem> LintSkin(const TSeSkinSource& source);

}  // namespace vt
