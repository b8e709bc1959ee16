#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs a command as root in a chroot of another Debian release, made with mmdebstrap from the
# archive that this machine's apt uses, with kwelt's tree (as git archive makes it, with the
# uncommitted changes to tracked files) in /src. Run as root on Debian.
#   scripts/debian-chroot.sh tools                installs mmdebstrap
#   scripts/debian-chroot.sh prepare RELEASE      makes the release's chroot with kwelt's packages
#   scripts/debian-chroot.sh run RELEASE [CMD...] runs CMD (default: the README's test command)
#   scripts/debian-chroot.sh windows-release      names the release kwelt.exe is built on
#
#   KWELT_CHROOT_BINDS   HOST[:INSIDE] pairs, separated by blanks: host folders bound into the
#                        chroot (at INSIDE, or the same path), made first where missing; for
#                        caches and results that outlive a run
#
# The chroot is kept, with the packages that scripts/install-deps.sh installs in it, in
# KWELT_CHROOT_CACHE (default /var/cache/kwelt-chroots), keyed on the release, the archive and
# install-deps.sh; a run works on a throwaway copy of it (an overlay), so that every run starts
# from the same chroot. A chroot made anew runs install-deps.sh as a fresh machine would.
set -euo pipefail
cd "$(dirname "$0")/.."

action=${1:?tools, prepare, run or windows-release}
# kwelt.exe is built on this release's Qt, MinGW-w64, Wine and NSIS (scripts/windows.sh): its
# chroot carries the packages for that as well.
windows_release=trixie
if [ "$action" = windows-release ]; then
    echo "$windows_release"
    exit 0
fi
if [ "$action" = tools ]; then
    command -v mmdebstrap >/dev/null && exit 0
    apt-get -o DPkg::Lock::Timeout=300 update -q
    DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 install -y -q --no-install-recommends \
        mmdebstrap
    exit 0
fi
release=${2:?a Debian release: trixie, unstable...}
shift 2
cache=${KWELT_CHROOT_CACHE:-/var/cache/kwelt-chroots}

# The archive this machine's apt uses (Debian's main archive and, for a stable release, its
# security archive), as sources lines for the release.
sources_lines() {
    local targets main security
    # shellcheck disable=SC2016 # apt's own placeholders
    targets=$(apt-get indextargets --format '$(REPO_URI) $(RELEASE)' 'Created-By: Packages')
    main=$(awk '$2 !~ /-(security|updates|backports)$/ { print $1; exit }' <<<"$targets")
    security=$(awk '$2 ~ /-security$/ { print $1; exit }' <<<"$targets")
    main=${main:-http://deb.debian.org/debian/}
    echo "deb ${main} ${release} main"
    case $release in
        unstable | sid | experimental | testing) ;;
        *)
            echo "deb ${main} ${release}-updates main"
            [ -n "$security" ] && echo "deb ${security} ${release}-security main"
            ;;
    esac
    return 0
}

mapfile -t sources < <(sources_lines)
key=$( (printf '%s\n' "$release" "$windows_release" "${sources[@]}"; cat scripts/install-deps.sh) | sha256sum | cut -c1-16)
base=$cache/$release-$key

# Binds in what a test run needs of the host: proc, sys, dev with dev/pts and dev/shm (Xvfb,
# the compositors and Qt keep shared buffers there) as a slave, so that unmounting leaves the
# host's alone; and a temporary folder of its own.
mount_host() {
    local root=$1
    mount --bind /proc "$root/proc"
    mount --rbind /sys "$root/sys"
    mount --make-rslave "$root/sys"
    mount --rbind /dev "$root/dev"
    mount --make-rslave "$root/dev"
    mount -t tmpfs -o mode=1777 tmpfs "$root/tmp"
    cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
}

unmount_all() {
    local root=$1
    # Everything mounted at or under it, deepest first; lazily where a file is still open there.
    findmnt -n -l -o TARGET | awk -v root="$root" '$0 == root || index($0, root "/") == 1' | sort -r \
        | while read -r target; do
            umount "$target" 2>/dev/null || umount -l "$target"
        done
}

prepare() {
    [ -e "$base/.kwelt-ready" ] && return
    bash scripts/debian-chroot.sh tools
    local new=$base.new
    unmount_all "$new" 2>/dev/null || true
    rm -rf "$new"
    mkdir -p "$cache"
    # A copy of unstable may carry a Release file whose date has passed.
    mmdebstrap --variant=apt --format=directory --aptopt='Acquire::Check-Valid-Until "false"' \
        "$release" "$new" "${sources[@]}"
    # shellcheck disable=SC2064 # the folder as it is now
    trap "unmount_all '$new'" EXIT
    mount_host "$new"
    cp scripts/install-deps.sh "$new/tmp/"
    chroot "$new" /bin/bash /tmp/install-deps.sh
    if [ "$release" = "$windows_release" ]; then
        chroot "$new" /bin/bash /tmp/install-deps.sh windows
    fi
    rm -f "$new/etc/resolv.conf"
    unmount_all "$new"
    trap - EXIT
    touch "$new/.kwelt-ready"
    # Only the newest chroot of a release is kept.
    for old in "$cache/$release"-*; do
        [ "$old" = "$new" ] || rm -rf "$old"
    done
    mv "$new" "$base"
}

run() {
    prepare
    local work
    work=$(mktemp -d /var/tmp/kwelt-chroot.XXXXXX)
    local root=$work/root
    mkdir -p "$work/upper" "$work/work" "$root"
    # shellcheck disable=SC2064 # the folders as they are now
    trap "unmount_all '$root'; rm -rf '$work'" EXIT
    mount -t overlay overlay -o "lowerdir=$base,upperdir=$work/upper,workdir=$work/work" "$root"
    mount_host "$root"
    mkdir -p "$root/src"
    local tree
    tree=$(git stash create 2>/dev/null || true)
    git archive "${tree:-HEAD}" | tar -x -C "$root/src"
    # A repository of one commit, so that the tests that tell kwelt's own files by what git tracks
    # (the licence check) see just the archive's.
    chroot "$root" git -C /src init -q
    chroot "$root" git -C /src add -A
    # Dated as the tree's last commit, which the build takes its time stamps from.
    local date
    date=$(git log -1 --format=%cI 2>/dev/null || date -u -Iseconds)
    chroot "$root" env GIT_AUTHOR_DATE="$date" GIT_COMMITTER_DATE="$date" git -C /src -c user.name=kwelt \
        -c user.email=kwelt@brandelwick.invalid commit -q -m "kwelt as archived"
    local bind host inside
    for bind in ${KWELT_CHROOT_BINDS:-}; do
        host=${bind%%:*} inside=${bind#*:}
        mkdir -p "$host" "$root$inside"
        mount --bind "$host" "$root$inside"
    done
    if [ $# -eq 0 ]; then
        set -- bash scripts/test.sh
    fi
    chroot "$root" /usr/bin/env -i -C /src HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        LANG=C.UTF-8 TERM="${TERM:-dumb}" CI="${CI:-}" "$@"
}

case $action in
    prepare) prepare ;;
    run) run "$@" ;;
    *)
        echo "debian-chroot: tools, prepare or run, not $action" >&2
        exit 2
        ;;
esac
