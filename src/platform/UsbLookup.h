#pragma once

#include <string>

// The COM port name that the system assigned to a USB device, found by vendor id, product id and serial.
namespace platform
{

// Where the port of a USB device is registered: as the device itself, or as the first function of a
// composite device. On Linux the plain form is a usb-serial port (<dev>:1.0/ttyUSBn) and the composite
// form an ACM port (<dev>:1.0/tty/ttyACMn), each below interface 0 of the device.
enum class UsbPortForm { Plain, Composite };

// The port name ("COM33"), or empty when no such device or no port of that form is there.
// vendorHex and productHex are hexadecimal texts ("10C4"), compared without regard to case;
// serial is compared exactly.
std::string LookUpUsbPortName(const std::string& vendorHex, const std::string& productHex,
                              const std::string& serial, UsbPortForm form);

} // namespace platform
