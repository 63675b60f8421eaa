// Reads the include lines of src/ and shaders/ and fails, naming the file and
// the line, where a folder includes one on a floor above its own, where two
// folders include each other, or where a shader includes more than its share
// of src/. The floors come from src/layers.txt.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Layers {
    std::map<std::string, int> floorOf;
    std::set<std::string> shaderMayInclude;
};

struct Include {
    std::string file;
    int line;
    std::string from;
    std::string to;
};

Layers readLayers(const fs::path& file)
{
    std::ifstream in(file);
    if (!in)
        throw std::runtime_error("cannot read " + file.string());
    Layers layers;
    int floor = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream words(line);
        std::string word;
        words >> word;
        if (word == "shaders:") {
            while (words >> word)
                layers.shaderMayInclude.insert(word);
            continue;
        }
        do
            layers.floorOf[word] = floor;
        while (words >> word);
        ++floor;
    }
    return layers;
}

// The include lines of every file under dir whose target names a folder of src/.
std::vector<Include> includesUnder(const fs::path& root, const std::string& dir, const Layers& layers)
{
    static const std::regex includeLine(R"(^\s*#\s*include\s*"([^/"]+)/)");
    std::vector<Include> includes;
    if (!fs::exists(root / dir))
        return includes;
    for (const auto& entry : fs::recursive_directory_iterator(root / dir)) {
        if (!entry.is_regular_file())
            continue;
        const fs::path relative = fs::relative(entry.path(), root);
        const std::string from = dir == "src" ? std::next(relative.begin())->string() : dir;
        std::ifstream in(entry.path());
        int number = 0;
        for (std::string line; std::getline(in, line);) {
            ++number;
            std::smatch match;
            if (std::regex_search(line, match, includeLine) && layers.floorOf.count(match[1]) && match[1] != from)
                includes.push_back({relative.string(), number, from, match[1]});
        }
    }
    return includes;
}

int report(const Include& include, const std::string& why)
{
    std::cerr << include.file << ":" << include.line << ": includes " << include.to << "/: " << why << "\n";
    return 1;
}

int checkSources(const std::vector<Include>& includes, const Layers& layers)
{
    int faults = 0;
    std::map<std::pair<std::string, std::string>, const Include*> firstOfPair;
    for (const Include& include : includes) {
        firstOfPair.emplace(std::make_pair(include.from, include.to), &include);
        if (layers.floorOf.at(include.to) > layers.floorOf.at(include.from))
            faults += report(include, include.from + "/ is on a floor below " + include.to + "/");
    }
    for (const auto& [pair, include] : firstOfPair) {
        auto back = firstOfPair.find({pair.second, pair.first});
        if (back != firstOfPair.end() && pair.first < pair.second) {
            faults += report(*include, pair.first + "/ and " + pair.second + "/ include each other (also " +
                                           back->second->file + ":" + std::to_string(back->second->line) + ")");
        }
    }
    return faults;
}

int checkShaders(const std::vector<Include>& includes, const Layers& layers)
{
    int faults = 0;
    for (const Include& include : includes)
        if (!layers.shaderMayInclude.count(include.to))
            faults += report(include, "shaders may include only the folders src/layers.txt lists for them");
    return faults;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: kestrelwing_layercheck SOURCE_ROOT\n";
        return 2;
    }
    try {
        const fs::path root = argv[1];
        const Layers layers = readLayers(root / "src" / "layers.txt");
        const int faults = checkSources(includesUnder(root, "src", layers), layers) +
                           checkShaders(includesUnder(root, "shaders", layers), layers);
        if (faults > 0) {
            std::cerr << faults << " include(s) break the floors of src/layers.txt\n";
            return 1;
        }
        std::cout << "every include keeps the floors of src/layers.txt\n";
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "kestrelwing_layercheck: " << e.what() << "\n";
        return 2;
    }
}
