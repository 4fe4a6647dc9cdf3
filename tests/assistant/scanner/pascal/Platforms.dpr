program Platforms;

{ Built with X, with Y and with neither defined: each of its units names the
  units of its platform under conditional directives. }

uses
  SysUtils, Lumbrick, Backends, Channels, Sockets;

procedure Scenario(N: Integer);
begin
  VIX.Chain := '';
  try
    Open(N);
    WriteLn(N, ': done');
  except
    WriteLn(N, ': failed chain=[', VIX.Chain, ']');
  end;
end;

begin
  WriteLn(BackendName, ' ', ChannelName);
  Scenario(1);
  Scenario(2);
end.
