// A directory tree made by a test under the temporary folder and removed afterwards.
#pragma once

#include <string>

class TempTree {
public:
    TempTree();
    ~TempTree();
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    // The tree's root, ending with a backslash.
    const std::string& Root() const { return root_; }
    // Creates a folder (and its parents) below the root; relative uses backslashes.
    std::string Folder(const std::string& relative);
    // Creates an empty file below the root.
    std::string File(const std::string& relative);

private:
    std::string root_;
};

// Removes a folder with everything below it (links are removed, not followed).
void RemoveTree(const std::string& path);
