// The entry point of the Qt test programs: one application object for the
// whole run, made only when tests run, not while they are only listed.
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

namespace {

class QtEnvironment : public ::testing::Environment {
 public:
  QtEnvironment(int& argc, char** argv) : argc_(argc), argv_(argv) {}
  void SetUp() override { application_ = std::make_unique<QApplication>(argc_, argv_); }
  void TearDown() override { application_.reset(); }

 private:
  int& argc_;
  char** argv_;
  std::unique_ptr<QApplication> application_;
};

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::AddGlobalTestEnvironment(new QtEnvironment(argc, argv));
  return RUN_ALL_TESTS();
}
