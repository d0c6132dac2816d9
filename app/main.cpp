// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/application.h"

int main(int argc, char** argv)
{
    return gp::runApplication(argc, argv);
}
