#pragma once

#include "platform/program_launcher.h"

namespace tappon {

// Whether a normal file exists at a path.
class QtFileTester : public FileTester {
public:
    bool fileExists(const std::string& path) const override;
};

}  // namespace tappon
