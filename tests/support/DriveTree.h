// Folder trees made by a test on a fixed drive of the test prefix (D:, Z:), emptied afterwards.
#pragma once

#include <string>

class DriveTree {
public:
    // Empties the drive: whatever an earlier test left there goes.
    explicit DriveTree(char letter);
    ~DriveTree();
    DriveTree(const DriveTree&) = delete;
    DriveTree& operator=(const DriveTree&) = delete;

    // The drive's root, "D:\" for D:.
    const std::string& Root() const { return root_; }
    // Creates a folder with its parents below the root; its full path, without a backslash.
    std::string Folder(const std::string& relative);
    // Creates an empty file below the root (its folder must exist); its full path.
    std::string File(const std::string& relative);
    // Removes everything below the root.
    void Empty();

private:
    std::string root_;
};

// Removes everything on a drive of the test prefix, leaving its root.
void EmptyDrive(char letter);
