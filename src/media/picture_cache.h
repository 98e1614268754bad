// Pictures loaded from files, kept by path so that every sprite loaded from one file shares one
// decoded picture and, per transparent colour, one texture; and the budget that bounds the
// memory all decoded pictures may take together.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "media/types.h"

namespace orv::media {

class PictureCache {
 public:
  static constexpr std::size_t kDefaultBudgetBytes = std::size_t(512) << 20;

  // The decoded picture of the file while some sprite still holds it; null otherwise.
  std::shared_ptr<Image> find(const std::string& path) const;
  // Notes a fresh decode of the file. False when it would take the decoded pictures past the
  // budget: the picture is then dropped, the file refused until the pictures held leave room
  // for it, and one line naming it goes to the error output.
  bool admit(const std::string& path, const std::shared_ptr<Image>& picture);
  // Whether the file was refused for the budget and still would not fit (it then loads as a
  // missing picture, without being decoded again).
  bool refused(const std::string& path) const;

  // The keyed texture made from the file's picture with that key, while some sprite holds it.
  std::shared_ptr<Image> find_keyed(const std::string& path, Colour key) const;
  void keep_keyed(const std::string& path, Colour key, const std::shared_ptr<Image>& texture);

  // Bytes of the decoded pictures some sprite still holds.
  std::size_t decoded_bytes() const;
  // Pictures decoded from files so far (for tests).
  std::size_t decode_count() const { return decodes_; }
  void set_budget(std::size_t bytes) { budget_ = bytes; }

 private:
  struct Keyed {
    Colour key;
    std::weak_ptr<Image> texture;
  };
  struct Entry {
    std::weak_ptr<Image> picture;
    std::size_t bytes = 0;  // of the picture, held or refused
    bool refused = false;
    std::vector<Keyed> keyed;
  };
  // Whether a picture of that many bytes fits beside the decoded pictures held now.
  bool fits(std::size_t bytes) const;
  // Forgets the pictures no sprite holds any more.
  void prune();

  std::unordered_map<std::string, Entry> entries_;
  std::size_t budget_ = kDefaultBudgetBytes;
  std::size_t decodes_ = 0;
};

}  // namespace orv::media
