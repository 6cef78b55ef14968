// Drives a spell checker in ispell pipe mode ("-a") one word at a time and
// measures how long each answer takes; also scores the suggestions against
// the intended corrections. Usage:
//   pipe_timer MISSPELLINGS.txt -- COMMAND [ARGS...]
// MISSPELLINGS.txt holds "wrong<TAB>right" lines. The command is the same for
// every checker, so the figures compare like with like.
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct TChild {
  pid_t pid = -1;
  FILE* in = nullptr;   // to the child's standard input
  FILE* out = nullptr;  // from the child's standard output
};

bool Spawn(std::vector<char*> argv, TChild& child) {
  int toChild[2], fromChild[2];
  if (pipe(toChild) != 0 || pipe(fromChild) != 0) return false;
  child.pid = fork();
  if (child.pid < 0) return false;
  if (child.pid == 0) {
    dup2(toChild[0], 0);
    dup2(fromChild[1], 1);
    close(toChild[1]);
    close(fromChild[0]);
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
  }
  close(toChild[0]);
  close(fromChild[1]);
  child.in = fdopen(toChild[1], "w");
  child.out = fdopen(fromChild[0], "r");
  return child.in && child.out;
}

bool ReadLine(FILE* f, std::string& line) {
  line.clear();
  int c;
  while ((c = fgetc(f)) != EOF) {
    if (c == '\n') return true;
    line += static_cast<char>(c);
  }
  return !line.empty();
}

// The suggestions of one "& word count offset: a, b, c" line.
std::vector<std::string> Suggestions(const std::string& line) {
  std::vector<std::string> result;
  size_t colon = line.find(": ");
  if (line.empty() || line[0] != '&' || colon == std::string::npos) return result;
  std::stringstream rest(line.substr(colon + 2));
  std::string item;
  while (std::getline(rest, item, ',')) {
    size_t b = item.find_first_not_of(' ');
    if (b != std::string::npos) result.push_back(item.substr(b));
  }
  return result;
}

double Percentile(std::vector<double> v, double p) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  size_t i = static_cast<size_t>(p * (v.size() - 1) + 0.5);
  return v[std::min(i, v.size() - 1)];
}

}  // namespace

int main(int argc, char** argv) {
  int sep = 1;
  while (sep < argc && std::strcmp(argv[sep], "--") != 0) ++sep;
  if (argc < 4 || sep != 2 || sep + 1 >= argc) {
    std::cerr << "usage: pipe_timer MISSPELLINGS.txt -- COMMAND [ARGS...]\n";
    return 2;
  }
  std::vector<std::pair<std::string, std::string>> pairs;
  std::ifstream list(argv[1]);
  std::string line;
  while (std::getline(list, line)) {
    if (line.empty() || line[0] == '#') continue;
    size_t tab = line.find('\t');
    if (tab != std::string::npos) pairs.emplace_back(line.substr(0, tab), line.substr(tab + 1));
  }
  TChild child;
  if (!Spawn(std::vector<char*>(argv + sep + 1, argv + argc), child)) return 1;
  if (!ReadLine(child.out, line)) return 1;  // the version banner

  std::vector<double> millis;
  int first = 0, topFive = 0, flagged = 0;
  for (const auto& [wrong, right] : pairs) {
    // '^' keeps a word that starts with a command character from being a command.
    auto start = std::chrono::steady_clock::now();
    std::fprintf(child.in, "^%s\n", wrong.c_str());
    std::fflush(child.in);
    std::vector<std::string> answers;
    while (ReadLine(child.out, line) && !line.empty()) answers.push_back(line);
    millis.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    if (answers.empty() || answers[0][0] == '*' || answers[0][0] == '+' || answers[0][0] == '-') continue;
    ++flagged;
    std::vector<std::string> s = Suggestions(answers[0]);
    if (!s.empty() && s[0] == right) ++first;
    for (size_t i = 0; i < s.size() && i < 5; ++i) {
      if (s[i] == right) {
        ++topFive;
        break;
      }
    }
  }
  std::fclose(child.in);
  std::fclose(child.out);
  waitpid(child.pid, nullptr, 0);
  size_t n = pairs.size();
  std::printf("words %zu flagged %d median_ms %.3f p95_ms %.3f first %.1f%% top5 %.1f%%\n", n, flagged,
              Percentile(millis, 0.5), Percentile(millis, 0.95), n ? 100.0 * first / n : 0.0,
              n ? 100.0 * topFive / n : 0.0);
  return 0;
}
