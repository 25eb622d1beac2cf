// The data profiles of the application: the default profile first, then the
// user's profiles in the order they were made. No user interface in here.
#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "morvane/Morvane.h"

struct DataProfile {
  int id = 0;
  QString name;
  _DataProfileTag tag{};

  // Name up to the first comma, then the twelve words; missing words are 0.
  static DataProfile Parse(int id, const QString& text);
  QString Format() const;
};

inline constexpr int kDefaultProfileId = 1;
inline constexpr int kMaxProfileNameLength = 12;

class DataProfileList {
 public:
  DataProfileList();

  // Profiles live on the heap so that pointers to their words stay valid while the list grows.
  const std::vector<std::unique_ptr<DataProfile>>& Profiles() const { return profiles; }
  int Count() const { return static_cast<int>(profiles.size()); }

  DataProfile* Find(int id) const;
  bool ContainsName(const QString& name) const;
  int NextId() const;

  int CurrentId() const { return currentId; }
  void SetCurrentId(int id) { currentId = id; }
  // The words of the current profile, or null when no profile has the current id.
  _DataProfileTag* GetCurrentProfile() const;

  // Drops every profile but the default one.
  void Reset();
  DataProfile& Append(int id, const QString& text);
  // A new profile with every block translated and headers on, made current.
  DataProfile& Create(const QString& name);
  // Removes the profile, renumbers the rest by position and makes the default current.
  bool Remove(int id);

 private:
  std::vector<std::unique_ptr<DataProfile>> profiles;
  int currentId = kDefaultProfileId;
};

// The message id that refuses `name` as a profile name, or 0 when it is acceptable.
// `list` is null when names that already exist are allowed.
int ProfileNameProblem(const QString& name, const DataProfileList* list);
