// The command line's advice for a controller that cannot be opened names what is wrong.
#include "platform/permission_advice.h"

#include <gtest/gtest.h>

#include <cerrno>

TEST(PermissionAdvice, NamesWhatIsActuallyWrong) {
    const std::string node = "/dev/hidraw3";
    PermissionFacts missing;
    missing.error = ENOENT;
    missing.nodeExists = false;
    EXPECT_NE(PermissionAdvice(missing, node).find("device node /dev/hidraw3 is missing"),
              std::string::npos);

    PermissionFacts noRule;
    noRule.error = EACCES;
    noRule.nodeGroup = "root";
    EXPECT_NE(PermissionAdvice(noRule, node).find("no udev rule for it is installed"),
              std::string::npos);

    PermissionFacts notApplied = noRule;
    notApplied.ruleInstalled = true;
    EXPECT_NE(PermissionAdvice(notApplied, node).find("installed but was not applied"),
              std::string::npos);

    PermissionFacts notInGroup = notApplied;
    notInGroup.nodeGroup = "plugdev";
    const std::string advice = PermissionAdvice(notInGroup, node);
    EXPECT_NE(advice.find("group plugdev"), std::string::npos) << advice;
    EXPECT_NE(advice.find("sudo adduser $USER plugdev"), std::string::npos);
    EXPECT_EQ(advice.find("install "), std::string::npos) << "the rule is there already";
    EXPECT_EQ(advice.rfind("cannot be opened (Permission denied); ", 0), 0u);
}
