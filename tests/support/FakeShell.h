#pragma once
// A shell that opens nothing and remembers every address it was asked to open.

#include "platform/Shell.h"

#include <vector>

namespace testing_support {

class FakeShell final : public platform::Shell {
public:
    void openAddress(const QUrl& address) override { opened.push_back(address); }
    std::vector<QUrl> opened;
};

} // namespace testing_support
