// Whether a change made from code raises the control's change event.
#pragma once

namespace rna::ui {

enum class Notify { Yes, No };

}  // namespace rna::ui
