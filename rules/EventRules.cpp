#include "rules/EventRules.h"

#include <array>
#include <map>

namespace {

constexpr std::size_t kDataSetEvents = static_cast<std::size_t>(TDataSetEvent::StateChange) + 1;
constexpr std::size_t kFormEvents = static_cast<std::size_t>(TFormEvent::Destroy) + 1;

struct Tables {
  std::array<std::map<int, TDataSetRule>, kDataSetEvents> dataSet;
  std::map<int, TDataChangeRule> dataChange;
  std::array<std::map<int, TFormRule>, kFormEvents> form;
  TNewRecordCheck newRecordCheck;
  TFormRule gridSetup;
  TDataSetState lastBeforePostState = TDataSetState::dsInactive;
};

Tables& State() {
  static Tables tables;
  return tables;
}

std::map<int, TDataSetRule>& Table(TDataSetEvent event) {
  return State().dataSet.at(static_cast<std::size_t>(event));
}

std::map<int, TFormRule>& Table(TFormEvent event) { return State().form.at(static_cast<std::size_t>(event)); }

template <typename Map>
const typename Map::mapped_type* FindIn(const Map& map, int id) {
  const auto it = map.find(id);
  return it == map.end() ? nullptr : &it->second;
}

}  // namespace

namespace EventRules {

void Register(TDataSetEvent event, int id, TDataSetRule rule) { Table(event)[id] = std::move(rule); }

void Register(TDataSetEvent event, std::initializer_list<int> ids, const TDataSetRule& rule) {
  for (int id : ids) Register(event, id, rule);
}

void RegisterDataChange(int id, TDataChangeRule rule) { State().dataChange[id] = std::move(rule); }

void RegisterDataChange(std::initializer_list<int> ids, const TDataChangeRule& rule) {
  for (int id : ids) RegisterDataChange(id, rule);
}

void Register(TFormEvent event, int id, TFormRule rule) { Table(event)[id] = std::move(rule); }

void Unregister(TDataSetEvent event, int id) { Table(event).erase(id); }

void UnregisterDataChange(int id) { State().dataChange.erase(id); }

void Unregister(TFormEvent event, int id) { Table(event).erase(id); }

const TDataSetRule* Find(TDataSetEvent event, int id) { return FindIn(Table(event), id); }

const TDataChangeRule* FindDataChange(int id) { return FindIn(State().dataChange, id); }

const TFormRule* Find(TFormEvent event, int id) { return FindIn(Table(event), id); }

void SetNewRecordCheck(TNewRecordCheck check) { State().newRecordCheck = std::move(check); }

const TNewRecordCheck& NewRecordCheck() { return State().newRecordCheck; }

void SetGridSetup(TFormRule setup) { State().gridSetup = std::move(setup); }

const TFormRule& GridSetup() { return State().gridSetup; }

TDataSetState LastBeforePostState() { return State().lastBeforePostState; }

void SetLastBeforePostState(TDataSetState state) { State().lastBeforePostState = state; }

void Clear() { State() = Tables(); }

}  // namespace EventRules
