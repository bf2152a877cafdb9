// The files compiled into the program, such as the credits picture, read by their resource
// name (":/credits.jpg").
#pragma once

#include <string>

// The resource's bytes; EFileError when the program holds no resource of that name.
std::string ReadResource(const std::string& name);
