// The shape of the code, read from its includes: the layers' arrows point downward (app, ui,
// platform, core), and within a layer no two folders include each other, however indirectly.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::map<std::string, int> LayerRank{{"core", 0}, {"platform", 1}, {"ui", 2}, {"app", 3}};

// "core/picker" for "core/picker/PickLoop.h"; the layer alone for files at a layer's top.
std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(0, slash);
}
std::string LayerOf(const std::string& path) { return path.substr(0, path.find('/')); }

struct Include {
    std::string From, To;
};

std::vector<Include> ProjectIncludes() {
    const fs::path root(TINTRA_SOURCE_DIR);
    const std::regex include(R"(^\s*#\s*include\s*"([^"]+)\")");
    std::vector<Include> includes;
    for (const auto& [layer, rank] : LayerRank)
        for (const auto& entry : fs::recursive_directory_iterator(root / layer)) {
            const std::string extension = entry.path().extension().string();
            if (extension != ".h" && extension != ".cpp")
                continue;
            const std::string from = fs::relative(entry.path(), root).generic_string();
            std::ifstream file(entry.path());
            std::smatch match;
            for (std::string line; std::getline(file, line);)
                if (std::regex_search(line, match, include) && LayerRank.count(LayerOf(match[1])))
                    includes.push_back({from, match[1]});
        }
    return includes;
}

TEST(Architecture, NoIncludeRunsFromALowerLayerToAHigherOne) {
    const auto includes = ProjectIncludes();
    ASSERT_GT(includes.size(), 100u);
    for (const Include& i : includes)
        EXPECT_LE(LayerRank.at(LayerOf(i.To)), LayerRank.at(LayerOf(i.From)))
            << i.From << " includes " << i.To;
}

TEST(Architecture, FoldersOfALayerIncludeEachOtherInNoCircle) {
    std::map<std::string, std::set<std::string>> uses;
    for (const Include& i : ProjectIncludes())
        if (LayerOf(i.From) == LayerOf(i.To) && FolderOf(i.From) != FolderOf(i.To))
            uses[FolderOf(i.From)].insert(FolderOf(i.To));
    // A depth-first walk that meets a folder still on its path has found a circle.
    std::map<std::string, int> state; // 1 on the path, 2 done
    std::vector<std::string> path;
    std::function<void(const std::string&)> walk = [&](const std::string& folder) {
        state[folder] = 1;
        path.push_back(folder);
        for (const std::string& next : uses[folder]) {
            if (state[next] == 1) {
                std::string circle;
                for (const std::string& step : path)
                    circle += step + " -> ";
                ADD_FAILURE() << "folders in a circle: " << circle << next;
            } else if (state[next] == 0) {
                walk(next);
            }
        }
        path.pop_back();
        state[folder] = 2;
    };
    for (const auto& [folder, used] : uses)
        if (state[folder] == 0)
            walk(folder);
}

} // namespace
