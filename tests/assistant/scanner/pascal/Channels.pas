unit Channels;

{ A clause under one branch; the others begin with their constants. }

interface

uses
  Backends;

function ChannelName: string;
procedure Send(N: Integer);

implementation

{$IFDEF X}
uses SysUtils;

const
  Prefix = 'sys';
{$ELSE}
  {$IFDEF Y}
  const
    Prefix = 'classes';
  {$ELSE}
  const Prefix = 'bare';
  {$ENDIF}
{$ENDIF}

function ChannelName: string;
begin
  Result := Prefix;
end;

procedure Send(N: Integer);
begin
  Check(N);
end;

end.
