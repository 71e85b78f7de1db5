// Reads the snapshot tool's action arguments against one window: every named control must exist there and be
// of the kind the action acts on, every value must be one the user could give.
#pragma once

#include "tools/snapshot/SnapshotAction.h"

#include <QStringList>
#include <stdexcept>
#include <vector>

namespace rna::ui {
class TForm;
}

namespace rna::tools {

class ActionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ActionParser {
public:
    explicit ActionParser(const rna::ui::TForm& window) : window_(window) {}

    // Throws ActionError naming the argument at fault.
    SnapshotAction Parse(const QString& argument) const;
    std::vector<SnapshotAction> ParseAll(const QStringList& arguments) const;

private:
    SnapshotAction ParseWindowAction(const QString& head, const QString* value, SnapshotAction action) const;
    SnapshotAction ParseControlAction(const QString& name, const QString& verb, const QString* value,
                                      SnapshotAction action) const;

    const rna::ui::TForm& window_;
};

}  // namespace rna::tools
