// Objects and components: a component frees the components it owns.
#pragma once

#include <memory>
#include <string>
#include <vector>

class TObject {
 public:
  virtual ~TObject() = default;
};

class TComponent : public TObject {
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return owner_; }
  // Frees the owned components, last created first.
  void DestroyComponents();
  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }

 private:
  void Remove(TComponent* child);

  TComponent* owner_;
  std::string name_;
  std::vector<TComponent*> owned_;  // freed last-created first
};
